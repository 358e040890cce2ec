// orvanta-calc: the command-line calculator.
int main() { return 0; }
