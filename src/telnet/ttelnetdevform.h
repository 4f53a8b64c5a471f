#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The "Telnet to a Device" dialog: asks for the address of the device to
// open a terminal to. Ok checks the address (a dotted address at once, a
// host name by an asynchronous lookup, so the dialog never waits for DNS),
// stores it in the session's telnetIp and, when it is valid, closes and
// asks for a terminal window through openRequested(). Created once and kept
// for the whole run; it keeps its text between openings unless cancelled.
class TTelnetDevForm final : public QDialog
{
    Q_OBJECT

public:
    explicit TTelnetDevForm(QWidget *parent = nullptr);
    ~TTelnetDevForm() override;

    QLineEdit *telnetIpIpt() const { return m_telnetIpIpt; }
    QPushButton *telnetOk() const { return m_telnetOk; }
    QPushButton *telnetCancel() const { return m_telnetCancel; }
    // True while a host name typed before Ok is being looked up.
    bool lookupPending() const { return m_lookupId >= 0; }

    void telnetOkClick();
    void telnetCancelClick();

Q_SIGNALS:
    // The address in the session's telnetIp is valid: open a terminal to it.
    void openRequested();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishOk(bool valid);
    void cancelLookup();

    QLineEdit *m_telnetIpIpt = nullptr;
    QPushButton *m_telnetOk = nullptr;
    QPushButton *m_telnetCancel = nullptr;
    int m_lookupId = -1;
};
