#pragma once

#include "Choices.h"
#include "DirectoryChooser.h"

// The contractor chooser of the transfer and template editors. It reads the
// contractors through a query and a transaction of its own, opened with the window.
class TWybierzAdresatFrm : public DirectoryChooser
{
public:
    explicit TWybierzAdresatFrm(QWidget *parent = nullptr);

    // Valid after ShowAt returned true.
    const ContractorChoice &Choice() const { return choice_; }

private:
    void TakeChoice(const Dataset &row) override;

    ContractorChoice choice_;
};
