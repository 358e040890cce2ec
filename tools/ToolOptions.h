#pragma once
#include <QString>

// What the picture-taking tools share on their command line: "--screen WxH"
// and the output folder as the last argument (fallback when none is given).
// Returns 0 with folder created, else the exit status, after a message on
// standard error.
int prepareOutput(const QString& fallback, QString& folder);
