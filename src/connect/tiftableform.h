#pragma once

#include <QPointer>
#include <QWidget>

class IfTableModel;
class QAbstractButton;
class QMdiArea;
class QMdiSubWindow;
class QTableView;

// The interface-table window: one grid showing a copy of the session's
// interface table as it was when the window first appeared. The grid is
// addressed by grid coordinates (row 0 the headings, column 0 the row
// numbers), which the view shows in its headers. The window records itself
// as the session's active table when it appears or is clicked or activated,
// clears that when it closes, and is deleted on close together with the MDI
// subwindow holding it.
class TIfTableForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TIfTableForm(QWidget *parent = nullptr);
    ~TIfTableForm() override;

    // Creates a window in area and shows it.
    static TIfTableForm *openIn(QMdiArea *area);

    QTableView *grid() const { return m_grid; }
    IfTableModel *model() const { return m_model; }

    int gridRowCount() const;
    int gridColumnCount() const;
    QString gridCell(int gridRow, int gridCol) const;
    // Moves the current cell; the heading row and number column cannot be
    // current, so coordinates there are ignored.
    void setCurrentGridCell(int gridRow, int gridCol);
    // The current cell in grid coordinates, 0 when there is none.
    int currentGridRow() const;
    int currentGridColumn() const;

    // Puts the search before the first body cell and makes that cell current.
    void startSearch();
    // Moves to the next cell containing text and gives the grid focus; at
    // the end of the table tells the user and returns false.
    bool findNext(const QString &text);

Q_SIGNALS:
    // The user has entered the grid of a table that came from a file: the
    // main window enables saving.
    void saveEnablingRequested();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillFromSession();
    void makeActive();
    void adoptSubWindow();
    void paintCorner();

    IfTableModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QPointer<QAbstractButton> m_corner;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_filled = false;
};
