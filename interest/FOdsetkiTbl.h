#pragma once

#include "Money.h"
#include "RateTables.h"

#include <QDialog>

struct InterestResult;
class MoneyEdit;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class RateListPage;
class TOdsetkiDet;

// The interest window: tax-arrears and statutory interest on an overdue amount, with
// the two rate tables on its second and third tabs. Created for one use.
class TOdsetkiTbl : public QDialog
{
    Q_OBJECT

public:
    explicit TOdsetkiTbl(QWidget *parent = nullptr);

    // Both open the rate lists first (an FbError from that goes to the caller) and
    // show the window modally. The calculator offers no insert buttons.
    void ShowCalculator();
    // True when closed by "Wstaw podatkowe" or "Wstaw ustawowe"; ChosenTotal then
    // holds the amount plus that interest.
    bool ShowForTransfer();
    Money ChosenTotal() const { return ChosenTotal_; }

    void OpenRateLists();
    void CommitRateLists();

    void ObliczBtnClick();
    void DetBtnClick();
    void WstawPodatBtnClick();
    void WstawUstawBtnClick();
    void CloseBtnClick();
    void InsertPodBtnClick();
    void EditPodBtnClick();
    void DeletePodBtnClick();
    void InsertUstBtnClick();
    void EditUstBtnClick();
    void DeleteUstBtnClick();
    void PodatGridDblClick();
    void UstawGridDblClick();

    // Every way of closing (buttons, Escape, close box) ends here and commits the rate lists.
    void done(int result) override;

private:
    QWidget *createCalculationPage();
    void createRatePages();
    int showWindow(bool offerInsert);
    // Reads the table's entries up to the payment date through the general-purpose query.
    InterestResult CalculateFromTable(RateKind kind, const QDate &due, const QDate &paid, Money amount);

    bool OfferInsert = false;
    Money TaxDueTotal, StatutoryDueTotal, ChosenTotal_;

    QTabWidget *PageControl;
    QDateEdit *EdTerminPlat, *EdDataZapl;
    MoneyEdit *EdKwota;
    QPushButton *ObliczBtn, *DetBtn, *CloseBtn, *WstawPodatBtn, *WstawUstawBtn;
    QLabel *PodatLbl, *PodRazLbl, *UstawLbl, *UstRazLbl;
    RateListPage *PodatPage, *UstawPage;
    TOdsetkiDet *Det;
};
