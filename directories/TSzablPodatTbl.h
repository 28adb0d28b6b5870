#pragma once

#include <QDialog>

class DatasetGrid;
class QToolButton;
class SearchBox;

// The tax transfer templates, contractor by contractor: the lower grid shows the
// contractors, the upper one the templates of the contractor on which the lower one
// stands, and it follows every move of the contractors list.
//
// While a template editor is open the list does not follow: a contractor list moved
// or reopened under the editor (through a chooser's "&Kartoteka") must not swap the
// templates the editor is changing. It catches up when the editor closes.
class TSzablPodatTbl : public QDialog
{
    Q_OBJECT

public:
    explicit TSzablPodatTbl(QWidget *parent = nullptr);

    void ShowList();

    void InsertBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();
    // Reads both lists again, as they are in the database now (F5).
    void RefreshClick();
    // Follows the contractor on which the contractors list stands.
    void KontahDSDataChange();

private:
    qint32 CurrentContractor() const;
    void FollowContractor(bool always);
    void SetButtons();
    // Runs an editor with the following held, then catches up.
    template<typename Work>
    void WithoutFollowing(Work work);

    bool following_ = true;
    // The contractor whose templates are shown; -1 before the first.
    qint32 shownContractor_ = -1;

    QToolButton *InsertBtn, *EditBtn, *DeleteBtn, *CloseBtn;
    DatasetGrid *SzablonGrid, *KontrahGrid;
    SearchBox *EdSzablon, *EdKontrah;
};
