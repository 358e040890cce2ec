#include "ToolOptions.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

#include "Screen.h"

int prepareOutput(const QString& fallback, QString& folder) {
    QStringList arguments = QApplication::arguments();
    QString error;
    if (!Screen::applyOption(arguments, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    folder = arguments.size() > 1 && !arguments.last().startsWith(QLatin1String("--")) ? arguments.last()
                                                                                        : fallback;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
