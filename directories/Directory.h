#pragma once

// Every directory (contractors, tax authorities, payment titles, templates) is three
// windows built on the three classes below; a directory adds only what differs.
//
// To add one:
// - Editor: derive from DirectoryEditor, passing a Setup (object name = class name,
//   caption, the data module's dataset, its key column, the identifier generator, and
//   afterStore where the editor commits at once). In the constructor lay the fields
//   out on Form(), give each its objectName (Named), then describe them: Bind / BindLine /
//   BindAccount for every column written (the order of the binds is the order of
//   filling), CheckOnLeave for fields coloured when left, AddCheck / RequireLine for
//   the save checks in their order, SetNameField for the focus on opening and after a
//   failed store. ShowNew / ShowCurrent and the save sequence (cancel on any failure,
//   report, stay open) come from the base.
// - List: derive from DirectoryList with a Setup: grid name and columns, search
//   caption, delete question, a factory of the editor, whether a double click edits,
//   and the commit points afterAdd / afterDelete / closingChanged (empty where the list
//   commits nothing and its caller reopens on Changed). ShowList, ShowAt, Changed,
//   the toolbar and the closing logic shared by every way of closing come from the base.
// - Chooser: derive from DirectoryChooser with a Setup (the shared dataset, or
//   ownQuerySql for a query and transaction of the chooser's own; a factory of the
//   list for "&Kartoteka"; commitShared for a shared dataset whose list leaves its
//   changes open) and override TakeChoice to copy the row into the choice record.
//   A chooser without an identifier to stand on shows itself with ShowHere.
//
// TTytulFrm, TTytulyTbl and TWybierzTytulFrm are the smallest complete example.

#include "DirectoryChooser.h"
#include "DirectoryEditor.h"
#include "DirectoryList.h"
