#include "ui/frmMODIFICAR.h"

#include "engine/Module1.h"
#include "engine/NumberText.h"
#include "engine/UserError.h"
#include "store/FluidTableModel.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

using namespace velm;

// The stored rows and, after them, an empty row that takes a new point: the point is stored
// with the first value typed into it (its other values start at zero).
class GridRows : public QAbstractTableModel {
public:
    GridRows(FluidTableModel& table, std::function<void(int)> modified, QObject* parent)
        : QAbstractTableModel(parent), table_(table), modified_(std::move(modified)),
          stored_(table.rowCount()) {}

    int stored() const { return stored_; }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : stored_ + 1; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : table_.columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= stored_) return {};
        return table_.data(table_.index(index.row(), index.column()), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal) return table_.headerData(section, orientation, role);
        if (role != Qt::DisplayRole) return {};
        return section < stored_ ? QVariant(section + 1) : QVariant(QStringLiteral("*"));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                               : Qt::NoItemFlags;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole) return false;
        const int row = index.row();
        if (row < stored_) {
            if (!table_.setData(table_.index(row, index.column()), value)) return false;
            emit dataChanged(index, index);
            modified_(row);
            return true;
        }
        // The empty row becomes a stored one, and a new empty row follows it; a value that is
        // refused takes the row back out, so nothing is left half-stored.
        if (!table_.insertRows(stored_, 1)) return false;
        beginInsertRows({}, stored_ + 1, stored_ + 1);
        ++stored_;
        endInsertRows();
        if (!table_.setData(table_.index(row, index.column()), value)) {
            table_.removeRows(row, 1);
            beginRemoveRows({}, stored_, stored_);
            --stored_;
            endRemoveRows();
            return false;
        }
        emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
        modified_(row);
        return true;
    }

    bool removeStored(int row) {
        if (!table_.removeRows(row, 1)) return false;
        beginRemoveRows({}, row, row);
        --stored_;
        endRemoveRows();
        return true;
    }

private:
    FluidTableModel& table_;
    std::function<void(int)> modified_;
    int stored_;
};

// Cells show a stored value as the 32-bit number it is (1.1614, not 1.1613999605178833) and
// are edited as plain text, so that any text reaches the table, which refuses what is not a
// number. A value no 32-bit number holds (only another program can store one) is shown as
// the file holds it, for the user to correct.
class NumberCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale&) const override {
        if (!value.isValid()) return {};
        const double v = value.toDouble();
        return QString::fromStdString(storedValue(v) ? shortestText(static_cast<float>(v)) : shortestText(v));
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        open_ = editor;
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(displayText(index.data(Qt::EditRole), {}));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }
    // Stores what an open cell editor holds and closes it.
    void commitOpenEditor() {
        if (!open_) return;
        QLineEdit* editor = open_;
        open_ = nullptr;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

private:
    mutable QPointer<QLineEdit> open_;
};

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = control<QPushButton>(parent, name, caption);
    b->setFixedSize(twipsToPixelsX(b, 975), twipsToPixelsY(b, 300));
    return b;
}

}  // namespace

frmMODIFICAR::frmMODIFICAR(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    grdDataGrid = new QTableView(this);
    grdDataGrid->setObjectName(QStringLiteral("grdDataGrid"));
    grdDataGrid->setFont(boxFont());
    cells_ = new NumberCells(grdDataGrid);
    grdDataGrid->setItemDelegate(cells_);

    datPrimaryRS = new QWidget(this);
    datPrimaryRS->setObjectName(QStringLiteral("datPrimaryRS"));
    auto* nav = new QHBoxLayout(datPrimaryRS);
    nav->setContentsMargins(0, 0, 0, 0);
    datCaption = control<QLabel>(datPrimaryRS, "datCaption", tr("Record: "));
    const std::pair<const char*, void (frmMODIFICAR::*)()> moves[] = {
        {"|<", &frmMODIFICAR::MoveFirst}, {"<", &frmMODIFICAR::MovePrevious},
        {">", &frmMODIFICAR::MoveNext}, {">|", &frmMODIFICAR::MoveLast}};
    for (const auto& [text, move] : moves) {
        auto* b = new QToolButton(datPrimaryRS);
        b->setText(QString::fromLatin1(text));
        connect(b, &QToolButton::clicked, this, move);
        nav->addWidget(b);
        if (move == &frmMODIFICAR::MovePrevious) nav->addWidget(datCaption, 1);
    }

    picButtons = new QWidget(this);
    picButtons->setObjectName(QStringLiteral("picButtons"));
    cmdAgregar = button(picButtons, "cmdAgregar", tr("&Agregar"));
    cmdEliminar = button(picButtons, "cmdEliminar", tr("&Eliminar"));
    cmdActualizar = button(picButtons, "cmdActualizar", tr("Actuali&zar"));
    cmdCerrar = button(picButtons, "cmdCerrar", tr("&Cerrar"));
    auto* strip = new QHBoxLayout(picButtons);
    strip->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {cmdAgregar, cmdEliminar, cmdActualizar, cmdCerrar}) strip->addWidget(b);
    strip->addStretch();

    // The grid takes what the data control and the button strip leave.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdDataGrid, 1);
    layout->addWidget(datPrimaryRS);
    layout->addWidget(picButtons);

    connect(cmdAgregar, &QPushButton::clicked, this, &frmMODIFICAR::cmdAgregar_Click);
    connect(cmdEliminar, &QPushButton::clicked, this, &frmMODIFICAR::cmdEliminar_Click);
    connect(cmdActualizar, &QPushButton::clicked, this, &frmMODIFICAR::cmdActualizar_Click);
    connect(cmdCerrar, &QPushButton::clicked, this, &frmMODIFICAR::cmdCerrar_Click);
}

frmMODIFICAR::~frmMODIFICAR() = default;

void frmMODIFICAR::Form_Load() {
    setTwipsGeometry(3000, 1500, 5700, 4650);
    setCaption(QString::fromStdString(tk.app.state.TABLA.value_or("")));
    try {
        table_ = std::make_unique<FluidTableModel>(tk.app.files, familyOf(tk.app.state),
                                                   tk.app.state.TABLA.value_or(""));
    } catch (const UserError& e) {
        loadError_ = QString::fromUtf8(e.what());
        return;
    }
    connect(table_.get(), &FluidTableModel::failed, this, &frmMODIFICAR::datPrimaryRS_Error);
    grid_ = new GridRows(*table_, [this](int row) { lastModified_ = row; }, this);
    grdDataGrid->setModel(grid_);
    grdDataGrid->resizeColumnsToContents();
    connect(grdDataGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current.row()); });
    if (rows() > 0) MoveFirst();
}

void frmMODIFICAR::Form_Activate() {
    if (loadError_.isEmpty()) return;
    // The table could not be opened: say so and go back to the fluids.
    tk.platform.messages.information(loadError_);
    cmdCerrar_Click();
}

void frmMODIFICAR::Form_Unload() { tk.platform.busy.setBusy(false); }

int frmMODIFICAR::rows() const { return grid_ ? grid_->stored() : 0; }
bool frmMODIFICAR::BOF() const { return rows() == 0 || position_ < 0; }
bool frmMODIFICAR::EOF_() const { return rows() == 0 || position_ >= rows(); }

void frmMODIFICAR::moveTo(int position) {
    datPrimaryRS_Validate(0);
    position_ = std::clamp(position, -1, rows());
    if (position_ >= 0 && position_ < rows()) {
        moving_ = true;
        grdDataGrid->setCurrentIndex(grid_->index(position_, std::max(grdDataGrid->currentIndex().column(), 0)));
        moving_ = false;
    }
    datPrimaryRS_Reposition();
}

void frmMODIFICAR::MoveFirst() { moveTo(0); }
void frmMODIFICAR::MoveLast() { moveTo(rows() - 1); }
void frmMODIFICAR::MovePrevious() { moveTo(position_ - 1); }
void frmMODIFICAR::MoveNext() { moveTo(position_ + 1); }

void frmMODIFICAR::followGrid(int row) {
    if (moving_ || row < 0) return;
    datPrimaryRS_Validate(0);
    position_ = row;  // the empty new row is past the last: EOF
    datPrimaryRS_Reposition();
}

void frmMODIFICAR::commitEdit() { cells_->commitOpenEditor(); }

void frmMODIFICAR::cmdAgregar_Click() {
    if (EOF_() && !BOF()) MoveLast();
    grdDataGrid->setFocus();
    tk.platform.keys.sendDownArrow();
    cmdCerrar->setEnabled(false);
    cmdEliminar->setEnabled(false);
}

void frmMODIFICAR::cmdEliminar_Click() {
    if (BOF() && EOF_()) {
        cmdEliminar->setEnabled(false);
        return;
    }
    if (EOF_() && !BOF()) MovePrevious();
    if (EOF_()) {
        cmdEliminar->setEnabled(false);
        return;
    }
    const int deleted = position_;
    moving_ = true;
    const bool removed = grid_->removeStored(deleted);
    moving_ = false;
    if (!removed) return;
    if (lastModified_ == deleted) lastModified_ = -1;
    else if (lastModified_ > deleted) --lastModified_;
    // The next row now stands where the deleted one stood.
    moveTo(deleted);
    if (EOF_()) MovePrevious();
}

void frmMODIFICAR::cmdActualizar_Click() {
    commitEdit();
    if (!BOF() && lastModified_ >= 0 && lastModified_ < rows()) moveTo(lastModified_);
    cmdAgregar->setEnabled(true);
    cmdCerrar->setEnabled(true);
    cmdEliminar->setEnabled(true);
}

void frmMODIFICAR::cmdCerrar_Click() {
    tk.platform.busy.setBusy(false);
    commitEdit();  // an edit in progress is stored, or refused with a message: never lost
    datPrimaryRS_Validate(kCloseAction);
    tk.screens.hide(objectName());
    showFluidScreen(tk.screens, familyOf(tk.app.state));
    tk.screens.unload(objectName());
}

void frmMODIFICAR::datPrimaryRS_Error(const QString& engineText) {
    tk.platform.messages.information(tr("Data error event hit err:") + engineText);
}

void frmMODIFICAR::datPrimaryRS_Reposition() {
    tk.platform.busy.setBusy(false);
    // At BOF, at EOF or on the new row the position cannot be told: the caption stays.
    if (position_ >= 0 && position_ < rows())
        datCaption->setText(tr("Record: ") + QString::number(position_ + 1));
}

void frmMODIFICAR::datPrimaryRS_Validate(int action) {
    if (action == kCloseAction) tk.platform.busy.setBusy(false);
    tk.platform.busy.setBusy(true);
}
