#pragma once

#include "Choices.h"
#include "DirectoryChooser.h"

// The tax authority chooser of the tax transfer and template editors. It shares the
// tax authorities list with the directory's other windows.
class TWybierzUrzadFrm : public DirectoryChooser
{
public:
    explicit TWybierzUrzadFrm(QWidget *parent = nullptr);

    // Valid after ShowAt returned true.
    const TaxAuthorityChoice &Choice() const { return choice_; }

private:
    void TakeChoice(const Dataset &row) override;

    TaxAuthorityChoice choice_;
};
