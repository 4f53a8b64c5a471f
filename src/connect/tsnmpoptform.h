#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class TMainForm;

// The connect dialog: community strings, vendor, SNMP version, management
// address and the neighbour option. Its Connect action starts a connection
// and its timer follows it until the interface table is shown. Created once
// and kept for the whole run, so its contents persist between openings.
class TSnmpOptForm final : public QDialog
{
    Q_OBJECT

public:
    explicit TSnmpOptForm(TMainForm *mainForm);

    QListWidget *comList() const { return m_comList; }
    QLineEdit *comIpt() const { return m_comIpt; }
    QLineEdit *ipIpt() const { return m_ipIpt; }
    QComboBox *vdBox() const { return m_vdBox; }
    QComboBox *verBox() const { return m_verBox; }
    QCheckBox *nbCheck() const { return m_nbCheck; }
    QTimer *myTimer() const { return m_myTimer; }

    void addStrClick();
    void optOkClick();
    void optCancelClick();
    void myTimerTimer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void continueConnect(const class UdpAddress &address, const QStringList &communities);

    TMainForm *m_mainForm;
    QListWidget *m_comList;
    QLineEdit *m_comIpt;
    QPushButton *m_addStr;
    QPushButton *m_clearStr;
    QComboBox *m_vdBox;
    QComboBox *m_verBox;
    QLineEdit *m_ipIpt;
    QPushButton *m_optOk;
    QPushButton *m_optCancel;
    QCheckBox *m_nbCheck;
    QTimer *m_myTimer;
};
