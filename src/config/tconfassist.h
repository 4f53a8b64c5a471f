#pragma once

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The keyword dialog: the user's section keywords, each drawn in the colour
// recorded for its list position, and the keywords whose matching lines the
// tree lists. "&Ok" stores both lists in the session's keyword tables and
// accepts; the lists and colours stay as they are between showings.
class TConfAssist final : public QDialog
{
    Q_OBJECT

public:
    explicit TConfAssist(QWidget *parent = nullptr);

    // Test hook and seam for the colour choice: returns the chosen colour,
    // or none when the user cancels. Defaults to the colour dialog.
    std::function<std::optional<QColor>(const QColor &current, QWidget *parent)> chooseColor;

    QLineEdit *entKW() const { return m_entKW; }
    QListWidget *kwList() const { return m_kwList; }
    QListWidget *dpKWList() const { return m_dpKWList; }
    QColor entKWColor() const { return m_entColor; }

    // The dialog's commands, as its buttons and keys run them.
    void colorClick();
    void addClick();
    void entKWEnter();
    void copyToDuplicates();
    void removeDuplicate();
    void clearLists();
    void okClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setEntKWColor(const QColor &color);
    QPushButton *button(const QString &text, const char *name);

    QLineEdit *m_entKW = nullptr;
    QListWidget *m_kwList = nullptr;
    QListWidget *m_dpKWList = nullptr;
    QColor m_entColor = Qt::black;
};
