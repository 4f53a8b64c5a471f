#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QRect>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QTimer;
class TIfTableForm;
class IfFindDialog;

// The main frame window: an MDI area for every child window, the menus and
// toolbar from which every command is reached, and the status bar whose
// first panel shows the connection's state and whose second panel hosts
// the connection's progress bar.
class TMainForm final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    QMdiArea *mdiArea() const { return m_mdi; }

    // Status panel 0.
    void setStatusText(const QString &text);
    QString statusText() const;
    // The rectangle of status panel 1 as last drawn (all 0 before).
    QRect progressPanelRect() const { return m_panelRect; }
    QWidget *progressPanel() const { return m_progressPanel; }

    // The progress bar of the current connection (owned by the dialog that
    // made it); none at start.
    void setProgressBar(QProgressBar *bar);
    QProgressBar *progressBar() const { return m_progressBar; }
    void stepProgress();

    QTimer *confTimer() const { return m_confTimer; }

    // Creates an interface-table window from the session as a child.
    TIfTableForm *createIfTableForm();
    // Sizes a new child window to preferred (shrunk to fit the MDI area) and
    // places it a step down and right of the previous one, always wholly
    // inside the area, so that no new window opens half out of sight.
    void placeChild(QMdiSubWindow *window, const QSize &preferred);

    QAction *action(const QString &caption) const;
    QMenu *menu(const QString &caption) const;
    // Applies the enabling rules of the File, Edit and Analysis menus.
    void updateMenus();

    // The dialog shown by "&Configuration and Interface Table Analysis".
    void setConnectDialog(QWidget *dialog) { m_connectDialog = dialog; }
    void setAboutBox(QWidget *about) { m_aboutBox = about; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QAction *addCommand(QMenu *menu, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut = {});
    void fillWindowMenu();
    void tile(Qt::Orientation orientation);
    void openHelp();
    void searchInterfaceTable();
    void findInInterfaceTable(const QString &text);
    void editCommand(const char *slot);
    TIfTableForm *activeTable() const;

    QMdiArea *m_mdi = nullptr;
    QLabel *m_statusPanel = nullptr;
    QWidget *m_progressPanel = nullptr;
    QRect m_panelRect;
    QString m_statusText;
    QPointer<QProgressBar> m_progressBar;
    QTimer *m_confTimer = nullptr;
    IfFindDialog *m_findDialog = nullptr;
    QPointer<QWidget> m_connectDialog;
    QPointer<QWidget> m_aboutBox;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QAction *m_saveButton = nullptr;
    int m_placedChildren = 0;
};
