#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The non-modal find dialog of configuration documents and, built with
// replacing on, the replace dialog. It only collects the search options and
// asks for the commands; the search itself runs on the active document.
class ConfigFindDialog final : public QDialog
{
    Q_OBJECT

public:
    ConfigFindDialog(bool replacing, QWidget *parent = nullptr);

    bool replacing() const { return m_replacing; }
    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    void setReplaceText(const QString &text);
    bool matchCase() const;
    void setMatchCase(bool on);
    bool wholeWord() const;
    void setWholeWord(bool on);

    QPushButton *findNextButton() const { return m_findNext; }
    QPushButton *replaceButton() const { return m_replace; }
    QPushButton *replaceAllButton() const { return m_replaceAll; }

Q_SIGNALS:
    void findNextRequested();
    void replaceRequested(bool all);

private:
    bool m_replacing = false;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replaceWith = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceAll = nullptr;
};
