#pragma once

class TMainForm;
class TConfigFrm;
class QString;

// Creates an analysis window as an MDI child captioned from session().devSysName,
// loads `text`, runs the highlighting and tree passes chosen by
// session().devVendor/devOsType (IOS, CATOS, or user keywords), puts the caret
// at the start, records session().configFrm and activeConfigFrm, and returns it.
TConfigFrm *openConfigWindow(TMainForm &main, const QString &text);

// The steps the callers above share: a new empty analysis window recorded in
// session().configFrm; the highlighting pass followed by the tree pass; the
// caret put at the start and the window made the active one.
TConfigFrm *createConfigWindow(TMainForm &main);
void runAnalysisPasses(TConfigFrm &frm);
void finishConfigWindow(TConfigFrm &frm);
