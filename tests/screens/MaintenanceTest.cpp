#include "tests/screens/ScreenTest.h"

#include "ui/frmMODIFICAR.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTableView>

using namespace velm::testing;
using velm::Family;

namespace {

const QString kInjection = R"t(R 134a "x"; DROP TABLE AIRE)t";

// From the menu to the title screen of an operation on a family's tables, the title sent.
void operate(App& app, const char* family, const char* operation, const QString& title) {
    const bool gas = family == std::string("GASES");
    app.openFamily(family);
    app.click(gas ? "frmVELM2" : "frmPRESENT2", gas ? "cmdAÑADIR" : "cmdAÑADIRLIQ");
    app.click("frmTABLAS", operation);
    ASSERT_TRUE(app.visible("frmDATOS"));
    EXPECT_EQ(app.find<QPushButton>("frmDATOS", "cmdINSERTAR")->text(),
              ui("frmDATOS", QString(operation).mid(3).toUpper().toUtf8().constData()));
    EXPECT_EQ(app.text("frmDATOS", "Text1"), "") << "the title box starts empty";
    app.type("frmDATOS", "Text1", title);
    app.click("frmDATOS", "cmdINSERTAR");
}

void addRow(App& app, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i)
        app.type("frmPRUEBA", qPrintable(QString("Text%1").arg(i + 1)), fields[i]);
    app.click("frmPRUEBA", "cmdAgregar");
}

std::vector<velm::TablePoint> points(App& app, Family family, const QString& title) {
    std::vector<velm::TablePoint> v;
    velm::FluidStore(app.files, family).readPoints(title.toStdString(),
                                                   [&](const velm::TablePoint& p) { v.push_back(p); });
    return v;
}

frmMODIFICAR& grid(App& app) { return app.main.screens().get<frmMODIFICAR>(); }

}  // namespace

TEST(Maintenance, TitlesAreCheckedAgainstEveryTableOfTheFile) {
    struct Case {
        const char* operation;
        QString title;
        QStringList messages;
        const char* nextScreen;
    };
    const Case cases[] = {
        {"cmdAgregar", "", {ui("frmDATOS", "ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR ")}, "frmDATOS"},
        {"cmdEliminar", "", {ui("frmDATOS", "ESCRIBA EL TITULO DE LA TABLA QUE DESEA ELIMINAR ")}, "frmDATOS"},
        {"cmdAgregar", "aire", {ui("frmDATOS", "LA TABLA %1 YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE", {"aire"})}, "frmDATOS"},
        {"cmdMODIFICAR", "NADA", {ui("frmDATOS", "LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !", {"NADA"})}, "frmDATOS"},
        {"cmdEliminar", "NADA", {ui("frmDATOS", "LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !", {"NADA"})}, "frmDATOS"},
        {"cmdAgregar", " AIRE ", {}, "frmPRUEBA"},
        {"cmdMODIFICAR", "vapor", {}, "frmMODIFICAR"},
        {"cmdEliminar", "co2", {ui("frmDATOS", "LA TABLA %1 HA SIDO ELIMINADA", {"co2"})}, "frmVELM2"},
    };
    for (const Case& c : cases) {
        App app;
        operate(app, "GASES", c.operation, c.title);
        const std::string row = std::string(c.operation) + " \"" + str(c.title) + "\"";
        EXPECT_EQ(app.take(), c.messages) << row;
        EXPECT_TRUE(app.visible(c.nextScreen)) << row;
        EXPECT_EQ(app.text("frmDATOS", "Text1"), std::string(c.nextScreen) == "frmDATOS" ? "" : c.title) << row;
    }
}

// Tables of both families created, filled, evaluated, edited and deleted through the screens.
TEST(Maintenance, CreateFillEvaluateEditAndDeleteTables) {
    App app;
    operate(app, "LIQUIDOS", "cmdAgregar", "MI LIQUIDO");
    ASSERT_TRUE(app.visible("frmPRUEBA"));
    EXPECT_TRUE(app.find("frmPRUEBA", "Text9")->isVisible());
    // Each field's leading number is stored as a single; a value beyond a single is refused.
    addRow(app, {"1 000", "1,16", "1.1614", "2.5E-3", "", "&HFF", "abc", "-1e-3x", "0.5"});
    EXPECT_EQ(app.text("frmPRUEBA", "Text1"), "") << "fields emptied for the next point";
    addRow(app, {"300", "1e39"});
    EXPECT_EQ(app.take(), QStringList{ui("velm::msg", "EL VALOR DE %1 NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO", {"DEN"})});
    EXPECT_EQ(app.text("frmPRUEBA", "Text2"), "1e39") << "the fields stay for mending";
    const auto stored = points(app, Family::Liquids, "MI LIQUIDO");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].TEMP, 1000);
    const double want[] = {1, 1.1613999605178833, double(float(0.0025)), 0, 255, 0, double(float(-1e-3)), 0.5};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(stored[0].value[i], want[i]) << "column " << i;
    app.click("frmPRUEBA", "cmdCANCELAR");

    // A gas table after a liquid one has eight fields again; its title is taken as typed.
    operate(app, "GASES", "cmdAgregar", kInjection);
    EXPECT_EQ(app.main.screens().screen("frmPRUEBA").windowTitle(), kInjection);
    EXPECT_FALSE(app.find("frmPRUEBA", "Text9")->isVisible());
    for (const char* t : {"300,1", "350,3"})
        addRow(app, QString(t).split(',') + QStringList{"1", "1e-5", "2e-5", "0.02", "3e-5", "0.7"});
    app.click("frmPRUEBA", "cmdCANCELAR");
    EXPECT_EQ(app.listed("frmVELM2", "cboOTRO").last(), kInjection);

    operate(app, "GASES", "cmdMODIFICAR", kInjection);
    ASSERT_TRUE(app.visible("frmMODIFICAR"));
    QAbstractItemModel* model = grid(app).grdDataGrid->model();
    ASSERT_TRUE(model->setData(model->index(1, 1), "3.5"));  // DEN at 350 K
    grid(app).cmdCerrar_Click();
    EXPECT_TRUE(app.visible("frmVELM2"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app.main.screens().isLoaded("frmMODIFICAR"));
    app.chooseFluid(kInjection);
    app.evaluate("325", "101.3");
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 2.25") << "the edit is seen at once";
    app.click("frmVELM1", "cmdOTRO");

    operate(app, "GASES", "cmdEliminar", kInjection);
    EXPECT_EQ(app.take(), QStringList{ui("frmDATOS", "LA TABLA %1 HA SIDO ELIMINADA", {kInjection})});
    ASSERT_TRUE(app.visible("frmVELM2"));
    EXPECT_EQ(app.listed("frmVELM2", "cboOTRO").size(), 9) << "the table gone, no other touched";
}

TEST(Maintenance, GridOfAnEmptyTableAndItsButtons) {
    App app;
    velm::FluidStore(app.files, Family::Liquids).createTable("VACIA");
    operate(app, "LIQUIDOS", "cmdMODIFICAR", "VACIA");
    frmMODIFICAR& g = grid(app);
    QAbstractItemModel* m = g.grdDataGrid->model();
    EXPECT_TRUE(g.BOF() && g.EOF_());
    g.cmdEliminar_Click();
    EXPECT_FALSE(g.cmdEliminar->isEnabled()) << "nothing to delete";

    g.cmdAgregar_Click();
    EXPECT_EQ(app.downs, 1);
    EXPECT_EQ(g.grdDataGrid->currentIndex().row(), 0) << "onto the empty new row";
    EXPECT_FALSE(g.cmdCerrar->isEnabled());
    ASSERT_TRUE(m->setData(m->index(0, 0), "300"));
    ASSERT_FALSE(m->setData(m->index(1, 1), "abc")) << "text refused on the new row";
    ASSERT_FALSE(m->setData(m->index(0, 1), "abc")) << "text refused on a stored row";
    EXPECT_EQ(app.take(), QStringList(2, ui("frmMODIFICAR", "Data error event hit err:") + ui(velm::message(velm::MessageId::NotANumber))));
    EXPECT_EQ(m->rowCount(), 2) << "one stored row and the new one";
    g.cmdActualizar_Click();
    EXPECT_TRUE(g.cmdCerrar->isEnabled() && g.cmdEliminar->isEnabled() && g.cmdAgregar->isEnabled());
    EXPECT_EQ(g.datCaption->text(), "Record: 1");
    EXPECT_FALSE(app.busy);
    const auto stored = points(app, Family::Liquids, "VACIA");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].TEMP, 300);
    EXPECT_EQ(stored[0].value[0], 0) << "other values start at zero";

    // deleting the only row leaves the set empty; the next press disables the button
    g.cmdEliminar_Click();
    EXPECT_TRUE(g.BOF() && g.EOF_());
    EXPECT_TRUE(points(app, Family::Liquids, "VACIA").empty());
    g.cmdEliminar_Click();
    EXPECT_FALSE(g.cmdEliminar->isEnabled());
}

TEST(Maintenance, GridDeletesMovesAndKeepsAnEditInProgress) {
    App app;
    velm::FluidStore gases(app.files, Family::Gases);
    gases.createTable("T3");
    for (double t : {300.0, 350.0, 400.0}) gases.appendRow("T3", {t, 1, 1, 1, 1, 1, 1, 1});
    operate(app, "GASES", "cmdMODIFICAR", "t3");
    frmMODIFICAR& g = grid(app);
    QAbstractItemModel* m = g.grdDataGrid->model();

    g.MoveLast();
    EXPECT_EQ(g.datCaption->text(), "Record: 3");
    g.cmdEliminar_Click();  // the last row: onto the new last row
    EXPECT_EQ(g.AbsolutePosition(), 1);
    EXPECT_EQ(g.datCaption->text(), "Record: 2");
    g.MoveFirst();
    g.cmdEliminar_Click();  // the first row: onto the row that followed it
    EXPECT_EQ(g.AbsolutePosition(), 0);
    EXPECT_EQ(m->data(m->index(0, 0)).toDouble(), 350);

    // a value typed and not yet committed is stored on closing
    g.grdDataGrid->setCurrentIndex(m->index(0, 1));
    g.grdDataGrid->edit(g.grdDataGrid->currentIndex());
    auto* editor = g.grdDataGrid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("1.1614");
    g.cmdCerrar_Click();
    const auto stored = points(app, Family::Gases, "T3");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].value[0], 1.1613999605178833);
    EXPECT_FALSE(app.busy);
}

// Only another program can store a value beyond the float range: the grid shows it as the
// file holds it, where a float conversion would show "inf" (or worse: it is undefined).
TEST(Maintenance, GridShowsAValueNoSingleHoldsAsStored) {
    App app;
    velm::FluidStore gases(app.files, Family::Gases);
    gases.createTable("ENORME");
    gases.appendRow("ENORME", {300, 1.1614, 1, 1, 1, 1, 1, 1});
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "by-hand");
        db.setDatabaseName(app.files.pathFor(Family::Gases));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("UPDATE ENORME SET TEMP = 1e300, CP = -1e999"));
    }
    QSqlDatabase::removeDatabase("by-hand");
    operate(app, "GASES", "cmdMODIFICAR", "ENORME");
    QTableView* view = grid(app).grdDataGrid;
    auto* cells = qobject_cast<QStyledItemDelegate*>(view->itemDelegate());
    QStringList shown;
    for (int column : {0, 1, 2})
        shown << cells->displayText(view->model()->index(0, column).data(), QLocale());
    EXPECT_EQ(shown, (QStringList{"1e+300", "1.1614", "-inf"}));
}
