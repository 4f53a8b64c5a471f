#pragma once

#include <QObject>
#include <QString>

class TMainForm;

// The Sample menu: each command opens a stored interface-table workbook and
// a stored configuration of one kind of Cisco device from the folder
// "Example" beside the executable, in a new interface-table window and a
// new configuration-analysis window, as a connection would.
class SampleCommands final : public QObject
{
    Q_OBJECT

public:
    enum class Sample { Ios, Catos };

    explicit SampleCommands(TMainForm &main);

    void openSample(Sample sample);

    // The folder holding the sample files.
    static QString directory();
    // Test hook: use another folder; an empty path restores the real one.
    static void setDirectoryForTesting(const QString &path);

private:
    TMainForm &m_main;
};

// Connects the Sample menu's commands of main.
void installSampleCommands(TMainForm &main);
