#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The non-modal Find dialog of the interface tables. It searches downwards
// only, so it has no case, whole-word or direction options; Find Next hands
// the text to whoever searches the active table.
class IfFindDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit IfFindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);

    QLineEdit *findEdit() const { return m_findEdit; }
    QPushButton *findNextButton() const { return m_findNext; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void findNext(const QString &text);

private:
    QLineEdit *m_findEdit = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_cancel = nullptr;
};
