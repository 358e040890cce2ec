#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler s_defaultHandler = nullptr;

// The offscreen platform complains about every window it sizes; keep the
// test log readable.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (s_defaultHandler) s_defaultHandler(type, context, message);
}
} // namespace

// The program's tests need one application object; they never open a real
// window system.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    s_defaultHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
