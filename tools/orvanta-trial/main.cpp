// Repeats a new user's trial of the scientific, complex and programmer
// calculators with real mouse and key events, and photographs each step:
// choosing from the memory list, the square key, programmer results in the
// input line, a long message, the keypads, and typing after a click into the
// result line. The program runs on the settings folder the environment names
// (ORVANTA_CONFIG_DIR). Usage:
//   orvanta-trial [--screen WxH] FOLDER
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "KeyButton.h"
#include "KeyIds.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "SettingsStore.h"
#include "ToolOptions.h"

namespace {
namespace K = KeyId;

void settle(int milliseconds = 150) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void click(QWidget* widget, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = widget->rect().center();
    const QPointF local(at), global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    settle(30);
}

// Keys go where the focus is, as a keyboard's would.
void type(const QString& text, Qt::Key key = Qt::Key_unknown) {
    for (const QChar c : text) {
        QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &down);
    }
    if (key != Qt::Key_unknown) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &down);
    }
    settle(30);
}

void tap(CCalculatorView& view, const std::vector<int>& ids) {
    for (int id : ids)
        if (KeyButton* key = view.key(id); key && key->isVisible())
            click(key);
        else
            std::printf("key %d is not on the keypad\n", id);
}

class Trial {
public:
    Trial(CMainFrame& frame, COrvantaDoc& document, QString folder)
        : m_frame(frame), m_document(document), m_folder(std::move(folder)) {}

    CCalculatorView& mode(int id) {
        m_frame.onCommand(id);
        settle();
        return *m_frame.activeView();
    }

    bool photograph(const char* step) {
        settle();
        const CCalculatorView& view = *m_frame.activeView();
        std::printf("%s %s: input \"%s\" result \"%s\"\n", m_prefix, step,
                    qPrintable(QString::fromStdWString(view.inputText())),
                    qPrintable(QString::fromStdWString(view.resultText())));
        QPixmap picture;
        if (QScreen* screen = m_frame.screen()) picture = screen->grabWindow(m_frame.winId());
        if (picture.isNull()) picture = m_frame.grab();
        const QString path =
            QStringLiteral("%1/%2-%3.png").arg(m_folder, QLatin1String(m_prefix), QLatin1String(step));
        const bool ok = picture.save(path);
        m_ok = m_ok && ok;
        return ok;
    }

    void run(const char* prefix) {
        m_prefix = prefix;
        memoryList();
        keys();
        programmer();
        longMessages();
        resultLineFocus();
    }
    bool ok() const { return m_ok; }

private:
    void memoryList() {
        CCalculatorView& v = mode(ModeTable::SCIENTIFIC);
        tap(v,
            {K::CLEAR, K::DIGIT_1, K::PLUS, K::DIGIT_2, K::MEMORY_ADD, K::CLEAR, K::DIGIT_7, K::MEMORY_ADD});
        tap(v, {K::CLEAR, K::DIGIT_5, K::MULTIPLY});
        QComboBox* list = v.memoryList();
        click(list);
        // The list ignores a release that follows the opening click too closely.
        settle(QApplication::doubleClickInterval() + 200);
        photograph("1-memory-open");
        QAbstractItemView* items = list->view();
        click(items->viewport(), items->visualRect(list->model()->index(1, 0)).center());
        photograph("1-memory-chosen");
    }

    void keys() {
        CCalculatorView& v = mode(ModeTable::SCIENTIFIC);
        tap(v, {K::CLEAR, K::DIGIT_3, K::SQUARE, K::EQUALS});
        photograph("2-scientific-square");
        CCalculatorView& c = mode(ModeTable::COMPLEX);
        tap(c, {K::CLEAR, K::RAD, K::OPEN, K::DIGIT_3, K::PLUS, K::DIGIT_4, K::IMAGINARY, K::CLOSE, K::SQUARE, K::EQUALS});
        photograph("2-complex-square");
    }

    void programmer() {
        m_document.m_resultInInput = 1;
        CCalculatorView& p = mode(ModeTable::COMPUTER);
        tap(p, {K::CLEAR, K::HEX_INPUT, K::TO_HEX, K::HEX_F, K::HEX_F, K::PLUS, K::DIGIT_1, K::EQUALS});
        photograph("3-programmer-result-in-input");
        tap(p, {K::TO_BIN});
        photograph("3-programmer-to-bin");
        tap(p, {K::HEX_INPUT, K::TO_HEX, K::CLEAR, K::DIGIT_1, K::DIVIDE, K::DIGIT_0, K::EQUALS});
        photograph("3-programmer-message");
        m_document.m_resultInInput = 0;
    }

    void longMessages() {
        CCalculatorView& v = mode(ModeTable::SCIENTIFIC);
        tap(v, {K::CLEAR});
        type(QStringLiteral("binom(2.5,1)"), Qt::Key_Return);
        photograph("4-long-message");
        m_document.m_resultInInput = 1;
        tap(v, {K::CLEAR});
        type(QStringLiteral("binom(2.5,1)"), Qt::Key_Return);
        photograph("4-long-message-in-input");
        m_document.m_resultInInput = 0;
        tap(v, {K::CLEAR});
    }

    void resultLineFocus() {
        CCalculatorView& v = mode(ModeTable::SCIENTIFIC);
        tap(v, {K::CLEAR, K::DIGIT_2, K::EQUALS});
        click(v.resultLine());
        tap(v, {K::CLEAR});
        type(QStringLiteral("5+5"), Qt::Key_Return);
        photograph("6-typed-after-result-click");
    }

    CMainFrame& m_frame;
    COrvantaDoc& m_document;
    QString m_folder;
    const char* m_prefix = "";
    bool m_ok = true;
};
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QString folder;
    if (const int status = prepareOutput(QStringLiteral("trial"), folder)) return status;

    SettingsStore store(SettingsStore::defaultFolder());
    OrvantaApp orvanta(store);
    if (!orvanta.initInstance()) return 1;
    CMainFrame& frame = *orvanta.frame();
    COrvantaDoc& document = *orvanta.document();
    frame.move(20, 20);
    frame.show();
    frame.activateWindow();
    settle(500);
    Trial trial(frame, document, folder);
    const std::pair<int, const char*> languages[] = {{0, "en"}, {1, "de"}};
    for (const auto& [language, prefix] : languages) {
        document.setLanguage(language);
        frame.languageChanged();
        trial.run(prefix);
    }
    document.setLanguage(0);
    document.writeOptions();
    frame.close();
    return trial.ok() ? 0 : 1;
}
