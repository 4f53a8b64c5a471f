#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QMdiSubWindow;
class QPlainTextEdit;
class TelnetTerminal;

// The telnet terminal window: an MDI child whose text box shows what the
// device sends and echoes what the user types. Typed characters are
// collected by the window's own TelnetTerminal and go out a line at a time
// on Enter. The window connects to the session's telnetIp when it is first
// shown, reports a failed or broken connection in the program's error box
// and then stays open, and disconnects when it is closed. A line typed at a
// password prompt is echoed as asterisks. It records itself
// as the session's active telnet window when shown or clicked and clears
// that when it closes.
class TTelnetForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TTelnetForm(QWidget *parent = nullptr);
    ~TTelnetForm() override;

    QPlainTextEdit *telnetTxt() const { return m_telnetTxt; }
    TelnetTerminal *terminal() const { return m_terminal; }
    // The address this window connects to, as typed; empty before shown.
    QString address() const { return m_address; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeActive();
    void adoptSubWindow();
    bool keyPressed(QKeyEvent *event);
    void typeText(const QString &text);
    void appendText(const QString &text);
    void echoText(const QString &text);
    bool atPasswordPrompt() const;
    void eraseLast();
    void moveCaretToEnd();
    void showContextMenu(const QPoint &pos);

    QPlainTextEdit *m_telnetTxt = nullptr;
    TelnetTerminal *m_terminal = nullptr;
    QPointer<QMdiSubWindow> m_subWindow;
    QString m_address;
    bool m_started = false;
    bool m_closed = false;
    bool m_maskLine = false;    // the current line answers a password prompt
};
