#pragma once

#include <QLineEdit>

class QAction;

// A line of a name or a title: at most 50 characters unless told otherwise, and, where
// the line can be filled from a directory, a chooser button at its right end.
class NameLine : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameLine(QWidget *parent = nullptr, int maxLength = 50);

    void AddChooserButton();
    // The chooser button, or nullptr on a line without one.
    QAction *ChooserAction() const { return chooser_; }

signals:
    void chooserClicked();

private:
    QAction *chooser_ = nullptr;
};
