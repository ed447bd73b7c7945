#pragma once
// The editing grid: every row of one fluid table, edited in place, with a record-navigation
// strip (the data control) and the buttons to add, delete and store rows.

#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <memory>

namespace velm {
class FluidTableModel;
}
class GridRows;
class NumberCells;

class frmMODIFICAR : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmMODIFICAR)

public:
    explicit frmMODIFICAR(velm::Toolkit& tk);
    ~frmMODIFICAR() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void cmdAgregar_Click();
    void cmdEliminar_Click();
    void cmdActualizar_Click();
    void cmdCerrar_Click();
    void datPrimaryRS_Error(const QString& engineText);
    void datPrimaryRS_Reposition();
    void datPrimaryRS_Validate(int action);

    // The record set of the data control: a position over the table's rows, before the
    // first (BOF) or after the last (EOF); an empty set is at both.
    bool BOF() const;
    bool EOF_() const;
    int AbsolutePosition() const { return position_; }
    void MoveFirst();
    void MoveLast();
    void MovePrevious();
    void MoveNext();

    static constexpr int kCloseAction = 10;

    QTableView* grdDataGrid;
    QWidget* datPrimaryRS;
    QLabel* datCaption;  // "Record: " and the position
    QWidget* picButtons;
    QPushButton *cmdAgregar, *cmdEliminar, *cmdActualizar, *cmdCerrar;

private:
    int rows() const;
    void moveTo(int position);
    void followGrid(int row);  // the user moved in the grid
    void commitEdit();

    std::unique_ptr<velm::FluidTableModel> table_;
    GridRows* grid_ = nullptr;
    NumberCells* cells_ = nullptr;
    QString loadError_;
    int position_ = -1;
    int lastModified_ = -1;  // the row stored last, -1 when none
    bool moving_ = false;
};
