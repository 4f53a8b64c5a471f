#pragma once

#include "platform/rtf/rtfdocument.h"

#include <QWidget>

class QMenu;
class QSplitter;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The configuration-analysis window: the section tree on the left, the
// configuration text on the right. It colours the section keywords of its
// text, builds the tree from the analysis tables, and jumps to the text of
// a selected node. Editing commands reach it through the main window.
class TConfigFrm final : public QWidget
{
    Q_OBJECT

public:
    explicit TConfigFrm(QWidget *parent = nullptr);

    QTreeWidget *myTree() const { return m_tree; }
    QTextEdit *myConf() const { return m_conf; }
    QMenu *popupMenu() const { return m_popup; }

    // Loads a file with the editor's own load (RTF as rich text, anything
    // else as plain text); on failure shows the error and stays empty.
    bool loadFile(const QString &path);
    void loadText(const QString &text);
    void loadDocument(const RtfDocument &document);

    // The editor's text with "\n" between lines, and its text, colours and
    // font as one document for saving.
    QString plainText() const;
    RtfDocument document() const;

    // The two analysis passes, always run in this order after a load.
    void highlightSections();
    void buildSectionTree();

    int treeNodeCount() const;
    void moveCaretToStart();

Q_SIGNALS:
    // This window became, or stopped being, the one the main window's
    // commands act on.
    void activated();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildPopup();
    void myTreeChange(QTreeWidgetItem *current);
    void makeActive();
    void applyColorRuns(const QList<RtfColorRun> &runs);

    QTreeWidget *m_tree = nullptr;
    QSplitter *m_splitter = nullptr;
    QWidget *m_panel = nullptr;
    QTextEdit *m_conf = nullptr;
    QMenu *m_popup = nullptr;
    bool m_captionSet = false;
};
