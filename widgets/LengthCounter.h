#pragma once

#include <QLabel>

class QLineEdit;

// Beside a name or title line: how many characters it holds against the 27 that fit
// the printed form's box ("28 [27] "), on yellow once the line holds more. The line
// itself may hold more; this only warns that the form will cut it.
class LengthCounter : public QLabel
{
    Q_OBJECT

public:
    static constexpr int FormLimit = 27;

    explicit LengthCounter(QLineEdit *line, QWidget *parent = nullptr);

    bool IsOverLimit() const { return over_; }
    void Refresh();

private:
    QLineEdit *line_;
    bool over_ = false;
};
