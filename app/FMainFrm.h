#pragma once

#include <QMainWindow>

class Dataset;
class DatasetGrid;
class QAction;
class QTabWidget;
class QToolButton;
class TDrukFrm;

// The program's home: the three lists of transfers on their tabs, the toolbar that
// acts on the row of the visible list, and the menu. Created after the data module
// (its grids show the module's lists, which the connection opens later); keeps its
// position and size between runs in the per-user position file. On a first start it
// shows every column of its lists, as far as the screen allows, in the screen's middle.
class TMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    enum ListKind { Ordinary = 0, Tax = 1, Zus = 2 };

    explicit TMainFrm(QWidget *parent = nullptr);
    ~TMainFrm() override;

    // The print dialog that lives for the whole run; printing waits for it.
    void SetPrintDialog(TDrukFrm *dialog) { printDialog_ = dialog; }

    // The per-user file "Zanderol.ini" that keeps the window's position, section Form.
    static QString PositionFilePath();

    ListKind VisibleKind() const;
    // The numbers of the orders selected in the visible list, in the list's order.
    QList<qint32> SelectedIds() const;

    void UpdateButtons();
    // The title names the open database (its file, or host:path on a server).
    void ShowDatabaseName();
    void RestoreWindowPosition();
    void SaveWindowPosition();

    void FormActivate();
    void PageControlChange();
    void InsertBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();
    void FindBtnClick();
    void PrintBtnClick();
    void CloseBtnClick();
    void OdswiezMnuClick();
    void ZwykleGridDblClick();
    void PodatkoweGridDblClick();
    void Zamknij1Click();
    void AdresaciMnuClick();
    void UrzedyMnuClick();
    void TytulyMnuClick();
    void SzablonyZwykleMnuClick();
    void OdsetkiMnuClick();
    void EksportMnuClick();
    void SzablonyPodatMnuClick();
    void PodrecznikMnuClick();
    void OfertaMnuClick();
    void OprogramieMnuClick();

protected:
    bool event(QEvent *event) override;

private:
    void createToolbar();
    void createPages();
    void createMenu();
    Dataset &VisibleList() const;
    QRect FirstStartGeometry() const;
    void ReopenVisibleList(qint32 id);

    TDrukFrm *printDialog_ = nullptr;

    QToolButton *InsertBtn, *EditBtn, *DeleteBtn, *FindBtn, *PrintBtn, *CloseBtn;
    QTabWidget *PageControl;
    DatasetGrid *ZwykleGrid, *PodatkoweGrid, *RxDBGrid1;
};
