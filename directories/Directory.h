#pragma once

// Every directory (contractors, tax authorities, payment titles, templates) is three
// windows built on the three classes below; a directory adds only what differs.
//
// To add one, every step below is needed; the setup records name their fields, so a
// commit point or a factory cannot land in another's slot.
//
// In the data module (data/FDM.h, FDM.cpp):
// - a transaction of its own and a Dataset on it, the transaction given its Polish
//   description (named when the end of a run cannot save it);
// - an entry of the `lists` table in TDM's constructor: table, key column and the select
//   with its ORDER BY, which is the order every window of the directory shows;
// - the table's columns in TableColumns (data/TableColumns.cpp), from which the insert,
//   update and delete statements are made;
// - the identifier generator (a NewXxxId through its GETXXXID procedure);
// - a ReopenXxx that commits the transaction and reads the list again, called where
//   ConnectDatabase opens the directories and wherever the directory commits;
// - a post-error handler that turns the unique name's violation into the directory's
//   "... nie może się powtarzać!" (ReportDuplicateName), set in the constructor.
// Editor: derive from DirectoryEditor, passing a Setup (object name = class name,
//   caption, the data module's dataset, its key column, the identifier generator, and
//   afterStore, the ReopenXxx that commits each store at once). In the constructor lay the fields
//   out on Form(), give each its objectName (Named), then describe them: Bind / BindLine /
//   BindAccount for every column written (the order of the binds is the order of
//   filling), CheckOnLeave for fields coloured when left, AddCheck / RequireLine for
//   the save checks in their order, SetNameField for the focus on opening and after a
//   failed store. ShowNew / ShowCurrent and the save sequence (cancel on any failure,
//   report, stay open) come from the base.
// List: derive from DirectoryList with a Setup: grid name and columns, search caption,
//   delete question, a factory of the editor, whether a double click edits, and
//   afterDelete, the ReopenXxx that commits each deletion at once. ShowList, ShowAt,
//   Changed, the toolbar, keeping a stored row in the list's order and the closing logic shared by every way
//   of closing come from the base.
// Chooser: derive from DirectoryChooser with a Setup (the shared dataset, or
//   ownQuerySql for a query and transaction of the chooser's own; a factory of the
//   list for "&Kartoteka") and override TakeChoice to copy the row into the choice record.
//   A chooser without an identifier to stand on shows itself with ShowHere.
// In the main window (app/FMainFrm.cpp): the menu entry that opens the list.
//
// TTytulFrm, TTytulyTbl and TWybierzTytulFrm are the smallest complete example, with
// Tytuly, trTytuly, NewTitleId, ReopenTitles, TytulyPostError and TytulyMnuClick.

#include "DirectoryChooser.h"
#include "DirectoryEditor.h"
#include "DirectoryList.h"
