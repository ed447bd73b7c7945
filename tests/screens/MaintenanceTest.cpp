#include "tests/screens/ScreenTest.h"

#include "ui/frmMODIFICAR.h"

#include <QHeaderView>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTableView>

using namespace velm::testing;

namespace {

const QString kInjection = R"t(R 134a "x"; DROP TABLE AIRE)t";

// From a fluid screen to the title screen of an operation, the title typed and sent.
void operate(App& app, const char* fluidScreen, const char* operation, const QString& title) {
    app.click(fluidScreen, std::string(fluidScreen) == "frmVELM2" ? "cmdAÑADIR" : "cmdAÑADIRLIQ");
    ASSERT_TRUE(app.visible("frmTABLAS"));
    app.click("frmTABLAS", operation);
    ASSERT_TRUE(app.visible("frmDATOS"));
    EXPECT_EQ(app.find<QPushButton>("frmDATOS", "cmdINSERTAR")->text(),
              QString::fromUtf8(operation).mid(3).toUpper());
    EXPECT_EQ(app.text("frmDATOS", "Text1"), "") << "the title box starts empty";
    app.type("frmDATOS", "Text1", title);
    app.click("frmDATOS", "cmdINSERTAR");
}

QStringList listed(App& app, const char* screen, const char* combo) {
    auto* c = app.find<QComboBox>(screen, combo);
    QStringList names;
    for (int i = 0; i < c->count(); ++i) names << c->itemText(i);
    return names;
}

void addRow(App& app, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i)
        app.type("frmPRUEBA", QStringLiteral("Text%1").arg(i + 1).toUtf8().constData(), fields[i]);
    app.click("frmPRUEBA", "cmdAgregar");
}

std::vector<velm::TablePoint> points(App& app, const char* family, const QString& title) {
    std::vector<velm::TablePoint> v;
    velm::FluidStore(app.files, *velm::familyNamed(family)).readPoints(title.toStdString(), [&](const velm::TablePoint& p) { v.push_back(p); });
    return v;
}

frmMODIFICAR& grid(App& app) { return app.main.screens().get<frmMODIFICAR>(); }

}  // namespace

TEST(Maintenance, CreateFillEvaluateEditAndDeleteATableWithAnAwkwardTitle) {
    App app;
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    operate(app, "frmVELM2", "cmdAgregar", kInjection);
    ASSERT_TRUE(app.visible("frmPRUEBA"));
    EXPECT_EQ(app.main.screens().screen("frmPRUEBA").windowTitle(), kInjection);
    EXPECT_FALSE(app.find("frmPRUEBA", "Text9")->isVisible());
    addRow(app, {"300", "1", "1", "1e-5", "2e-5", "0.02", "3e-5", "0.7"});
    addRow(app, {"350", "3", "1", "1e-5", "2e-5", "0.02", "3e-5", "0.7"});
    addRow(app, {"400", "5", "1", "1e-5", "2e-5", "0.02", "3e-5", "0.7"});
    EXPECT_EQ(app.text("frmPRUEBA", "Text1"), "") << "fields emptied for the next point";
    app.click("frmPRUEBA", "cmdCANCELAR");
    ASSERT_TRUE(app.visible("frmVELM2"));
    EXPECT_EQ(listed(app, "frmVELM2", "cboOTRO").last(), kInjection);

    app.chooseFluid(kInjection);
    app.evaluate("325", "101.3");
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 2");
    app.click("frmVELM1", "cmdOTRO");
    app.click("frmPRESENT", "cmdGASES");

    operate(app, "frmVELM2", "cmdMODIFICAR", kInjection);
    ASSERT_TRUE(app.visible("frmMODIFICAR"));
    frmMODIFICAR& g = grid(app);
    QAbstractItemModel* model = g.grdDataGrid->model();
    EXPECT_EQ(model->rowCount(), 4) << "three points and the empty new row";
    EXPECT_EQ(model->columnCount(), 8);
    EXPECT_EQ(g.datCaption->text(), "Record: 1");
    ASSERT_TRUE(model->setData(model->index(1, 1), "3.5"));  // DEN at 350 K
    g.cmdCerrar_Click();
    EXPECT_TRUE(app.visible("frmVELM2"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app.main.screens().isLoaded("frmMODIFICAR"));

    app.chooseFluid(kInjection);
    app.evaluate("325", "101.3");
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 2.25") << "the edit is seen at once";
    app.click("frmVELM1", "cmdOTRO");
    app.click("frmPRESENT", "cmdGASES");

    operate(app, "frmVELM2", "cmdEliminar", kInjection);
    EXPECT_EQ(app.messages.take(), std::vector<QString>{"LA TABLA " + kInjection + " HA SIDO ELIMINADA"});
    ASSERT_TRUE(app.visible("frmVELM2"));
    const QStringList after = listed(app, "frmVELM2", "cboOTRO");
    EXPECT_FALSE(after.contains(kInjection));
    EXPECT_EQ(after.size(), 9) << "no other table touched";
}

TEST(Maintenance, TitlesAreCheckedAgainstEveryTableOfTheFile) {
    struct Case {
        const char* operation;
        QString title;
        std::vector<QString> messages;
        const char* nextScreen;
    };
    const QString tail = QStringLiteral("  ! ! ! !");
    const Case cases[] = {
        {"cmdAgregar", "", {"ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR "}, "frmDATOS"},
        {"cmdEliminar", "", {"ESCRIBA EL TITULO DE LA TABLA QUE DESEA ELIMINAR "}, "frmDATOS"},
        {"cmdAgregar", "aire", {"LA TABLA aire YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE"}, "frmDATOS"},
        {"cmdAgregar", "sqlite_master", {"LA TABLA sqlite_master YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE"}, "frmDATOS"},
        {"cmdMODIFICAR", "NADA", {"LA TABLA NADA NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA" + tail}, "frmDATOS"},
        {"cmdEliminar", "NADA", {"LA TABLA NADA NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA" + tail}, "frmDATOS"},
        {"cmdAgregar", " AIRE ", {}, "frmPRUEBA"},
        {"cmdMODIFICAR", "vapor", {}, "frmMODIFICAR"},
        {"cmdEliminar", "co2", {"LA TABLA co2 HA SIDO ELIMINADA"}, "frmVELM2"},
    };
    for (const Case& c : cases) {
        App app;
        app.main.Velmorantes->trigger();
        app.click("frmPRESENT", "cmdGASES");
        operate(app, "frmVELM2", c.operation, c.title);
        const std::string row = std::string(c.operation) + " \"" + str(c.title) + "\"";
        EXPECT_EQ(app.messages.take(), c.messages) << row;
        EXPECT_TRUE(app.visible(c.nextScreen)) << row;
        EXPECT_EQ(app.state.TABLA, c.title.toStdString()) << row;
        if (std::string(c.nextScreen) == "frmDATOS") {
            EXPECT_EQ(app.text("frmDATOS", "Text1"), "") << row;
        }
        if (c.title == " AIRE ") {
            EXPECT_TRUE(velm::FluidStore(app.files, velm::Family::Gases).titleExists(" AIRE ")) << "kept untrimmed";
        }
    }
}

TEST(Maintenance, RowEntryReadsLeadingNumbersAndStoresSingles) {
    App app;
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdLIQUIDOS");
    operate(app, "frmPRESENT2", "cmdAgregar", "MI LIQUIDO");
    ASSERT_TRUE(app.visible("frmPRUEBA"));
    EXPECT_TRUE(app.find("frmPRUEBA", "Text9")->isVisible());
    EXPECT_TRUE(app.find("frmPRUEBA", "Label16")->isVisible());
    addRow(app, {"1 000", "1,16", "1.1614", "2.5E-3", "", "&HFF", "abc", "-1e-3x", "0.5"});
    addRow(app, {"300", "1e39"});  // beyond a single: refused, nothing stored
    EXPECT_EQ(app.messages.take().size(), 1u);
    EXPECT_EQ(app.text("frmPRUEBA", "Text2"), "1e39") << "the fields stay for mending";

    const auto stored = points(app, "LIQUIDOS", "MI LIQUIDO");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].TEMP, 1000);
    const double want[] = {1, 1.1613999605178833, double(float(0.0025)), 0, 255, 0, double(float(-1e-3)), 0.5};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(stored[0].value[std::size_t(i)], want[i]) << "column " << i;

    // a gas table after a liquid table has eight fields again
    app.click("frmPRUEBA", "cmdCANCELAR");
    app.click("frmPRESENT2", "cmdATRAS");
    app.click("frmPRESENT", "cmdGASES");
    operate(app, "frmVELM2", "cmdAgregar", "MI GAS");
    EXPECT_FALSE(app.find("frmPRUEBA", "Text9")->isVisible());
    EXPECT_FALSE(app.find("frmPRUEBA", "Label17")->isVisible());
    EXPECT_EQ(app.main.screens().screen("frmPRUEBA").windowTitle(), "MI GAS");
}

TEST(Maintenance, GridOfAnEmptyTableAndItsButtons) {
    App app;
    velm::FluidStore(app.files, velm::Family::Liquids).createTable("VACIA");
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdLIQUIDOS");
    operate(app, "frmPRESENT2", "cmdMODIFICAR", "VACIA");
    frmMODIFICAR& g = grid(app);
    EXPECT_EQ(g.grdDataGrid->model()->columnCount(), 9);
    EXPECT_EQ(g.grdDataGrid->model()->headerData(8, Qt::Horizontal).toString(), "BETA");
    EXPECT_TRUE(g.BOF() && g.EOF_());

    g.cmdEliminar_Click();
    EXPECT_FALSE(g.cmdEliminar->isEnabled()) << "nothing to delete";

    g.cmdAgregar_Click();
    EXPECT_EQ(app.keys.downs, 1);
    EXPECT_EQ(g.grdDataGrid->currentIndex().row(), 0) << "onto the empty new row";
    EXPECT_FALSE(g.cmdCerrar->isEnabled());
    QAbstractItemModel* m = g.grdDataGrid->model();
    ASSERT_TRUE(m->setData(m->index(0, 0), "300"));
    ASSERT_FALSE(m->setData(m->index(1, 1), "abc")) << "text refused on the new row";
    ASSERT_FALSE(m->setData(m->index(0, 1), "abc")) << "text refused on a stored row";
    EXPECT_EQ(app.messages.take(),
              std::vector<QString>(2, "Data error event hit err: DEBE INTRODUCIR UN NUMERO"));
    EXPECT_EQ(m->rowCount(), 2) << "one stored row and the new one";
    g.cmdActualizar_Click();
    EXPECT_TRUE(g.cmdCerrar->isEnabled() && g.cmdEliminar->isEnabled() && g.cmdAgregar->isEnabled());
    EXPECT_EQ(g.datCaption->text(), "Record: 1");
    EXPECT_FALSE(app.busy.busy);

    const auto stored = points(app, "LIQUIDOS", "VACIA");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].TEMP, 300);
    EXPECT_EQ(stored[0].value[0], 0) << "other values start at zero";

    // deleting the only row leaves the set empty; the next press disables the button
    g.cmdEliminar_Click();
    EXPECT_TRUE(g.BOF() && g.EOF_());
    EXPECT_TRUE(points(app, "LIQUIDOS", "VACIA").empty());
    g.cmdEliminar_Click();
    EXPECT_FALSE(g.cmdEliminar->isEnabled());
}

TEST(Maintenance, GridDeletesMovesAndKeepsAnEditInProgress) {
    App app;
    velm::FluidStore gases(app.files, velm::Family::Gases);
    gases.createTable("T3");
    for (double t : {300.0, 350.0, 400.0}) gases.appendRow("T3", {t, 1, 1, 1, 1, 1, 1, 1});
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    operate(app, "frmVELM2", "cmdMODIFICAR", "t3");
    frmMODIFICAR& g = grid(app);

    g.MoveLast();
    EXPECT_EQ(g.datCaption->text(), "Record: 3");
    g.cmdEliminar_Click();  // the last row: onto the new last row
    EXPECT_EQ(g.AbsolutePosition(), 1);
    EXPECT_EQ(g.datCaption->text(), "Record: 2");
    g.MoveFirst();
    g.cmdEliminar_Click();  // the first row: onto the row that followed it
    EXPECT_EQ(g.AbsolutePosition(), 0);
    EXPECT_EQ(g.grdDataGrid->model()->data(g.grdDataGrid->model()->index(0, 0)).toDouble(), 350);

    // a value typed and not yet committed is stored on closing
    g.grdDataGrid->setCurrentIndex(g.grdDataGrid->model()->index(0, 1));
    g.grdDataGrid->edit(g.grdDataGrid->currentIndex());
    auto* editor = g.grdDataGrid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("1.1614");
    g.cmdCerrar_Click();
    const auto stored = points(app, "GASES", "T3");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].value[0], 1.1613999605178833);
    EXPECT_FALSE(app.busy.busy);
}

// Only another program can store a value beyond the float range: the grid shows it as the
// file holds it, where a float conversion would show "inf" (or worse: it is undefined).
TEST(Maintenance, GridShowsAValueNoSingleHoldsAsStored) {
    App app;
    velm::FluidStore gases(app.files, velm::Family::Gases);
    gases.createTable("ENORME");
    gases.appendRow("ENORME", {300, 1.1614, 1, 1, 1, 1, 1, 1});
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "by-hand");
        db.setDatabaseName(app.files.pathFor(velm::Family::Gases));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("UPDATE ENORME SET TEMP = 1e300, CP = -1e999"));
    }
    QSqlDatabase::removeDatabase("by-hand");
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    operate(app, "frmVELM2", "cmdMODIFICAR", "ENORME");
    QTableView* view = grid(app).grdDataGrid;
    auto shown = [view](int column) {
        return qobject_cast<QStyledItemDelegate*>(view->itemDelegate())->displayText(view->model()->index(0, column).data(), QLocale());
    };
    EXPECT_EQ(shown(0), "1e+300");
    EXPECT_EQ(shown(1), "1.1614");
    EXPECT_EQ(shown(2), "-inf");
}
