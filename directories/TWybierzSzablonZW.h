#pragma once

#include "DirectoryChooser.h"

// The template chooser of the ordinary transfer editor. It hands back no copy: on
// confirmation the data module's templates list stands on the chosen template, and
// the editor reads its columns there.
class TWybierzSzablonZW : public DirectoryChooser
{
public:
    explicit TWybierzSzablonZW(QWidget *parent = nullptr);

    // Shows the chooser where the templates list stands; true when one was chosen.
    bool ShowChooser() { return ShowHere(); }

private:
    void TakeChoice(const Dataset &) override {}
};
