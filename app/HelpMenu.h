#ifndef HELPMENU_H
#define HELPMENU_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;

class QWidget;
QT_END_NAMESPACE

// The Help menu beyond the online manual: the manual in a window of the program when no
// browser answers, "Voorbeeld openen" (the example portfolio) and "Over Quorvant".
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    // Adds its actions to `menu`; its windows and messages belong to `window`.
    HelpMenu(QMenu *menu, QWidget *window);

    // Opens the manual in the desktop's browser, or, when none answers, in a window of the
    // program.
    void openManual(const QUrl &url);
    // The window the manual was last shown in without a browser (null before).
    QTextBrowser *manualWindow() const { return m_manualWindow; }
    // Tests answer in place of the desktop's browser.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }

    // The shipped example portfolio as an investment text.
    static QString exampleText();
    // The text of "Over Quorvant": version, the shipped font's licence, where settings and
    // recovery files are kept.
    static QString aboutText();

signals:
    // "Voorbeeld openen": the window shows this text as an unsaved document.
    void exampleRequested(const QString &text);

private:
    void showAbout();
    void showManualWindow(const QUrl &url);

    QWidget *m_window;
    QPointer<QTextBrowser> m_manualWindow;
    std::function<bool(const QUrl &)> m_openUrl;
};

#endif // HELPMENU_H
