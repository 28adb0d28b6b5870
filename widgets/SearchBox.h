#pragma once

#include <QGroupBox>

class Dataset;
class QLineEdit;

// The search field under a directory's grid, in a frame "Szukaj [<caption>]": each
// change of its text moves the list to the first row whose field begins with it; the
// button at its right ("Wyczyść") empties it, which moves nothing.
class SearchBox : public QGroupBox
{
    Q_OBJECT

public:
    SearchBox(Dataset &dataset, const QString &field, const QString &caption, QWidget *parent = nullptr);

    QLineEdit *Edit() const { return edit_; }
    // For a list whose dataset is replaced (a chooser reopening its own query).
    void SetDataset(Dataset &dataset) { dataset_ = &dataset; }

    void EdNazwaChange();
    void EdNazwaButtonClick();

private:
    Dataset *dataset_;
    QString field_;
    QLineEdit *edit_;
};
