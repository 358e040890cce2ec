#pragma once

class QWidget;

// Timing of the program's start. With ORVANTA_STARTUP_TRACE=1 in the
// environment every step writes its time since main() began to stderr;
// --first-paint makes the program print the wall-clock time of its first
// painted frame and quit (bench/startup.sh measures with it).
namespace StartupProbe {
inline constexpr const char* FIRST_PAINT_OPTION = "--first-paint";

// Call first thing in main(): starts the clock.
void begin();
// A step of the start has finished; written only while tracing.
void mark(const char* step);
bool firstPaintRequested(int argc, char** argv);
// Prints "first paint at N ns" (CLOCK_REALTIME) once the window has painted
// its first frame, then quits the event loop.
void quitAfterFirstPaint(QWidget& window);
} // namespace StartupProbe
