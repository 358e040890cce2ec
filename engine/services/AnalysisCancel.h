#pragma once
#include <atomic>

// Long work on a worker thread can be stopped: while the calling thread's
// flag is set, the walks of the analysis and sampling operations stop at
// their next sample, and the caller discards what they found. Each thread has
// its own flag, so a worker's cancel never stops another thread's work;
// without one (the default) a walk always runs to its end.
namespace AnalysisCancel {
void setFlag(const std::atomic<bool>* flag);
bool requested();
} // namespace AnalysisCancel
