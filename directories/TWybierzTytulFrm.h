#pragma once

#include "Choices.h"
#include "DirectoryChooser.h"

// The payment title chooser of the ordinary transfer and template editors. It shares
// the titles list with the directory's other windows.
class TWybierzTytulFrm : public DirectoryChooser
{
public:
    explicit TWybierzTytulFrm(QWidget *parent = nullptr);

    // Valid after ShowAt returned true.
    const TitleChoice &Choice() const { return choice_; }

private:
    void TakeChoice(const Dataset &row) override;

    TitleChoice choice_;
};
