#pragma once

#include <QDialog>

// "Oferta": the maker's other software for accounting offices.
class TOfertaFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TOfertaFrm(QWidget *parent = nullptr);
};
