#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/app/qt/WorkbenchTestServices.h"
#include "app/core/evaluation/BatchRunner.h"
#include "app/core/evaluation/UnitEvaluatorSource.h"
#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/surface/ImageFileDialog.h"
#include "app/qt/surface/ImageFileNames.h"
#include "app/qt/surface/SurfaceView.h"
#include "app/qt/surface/SurfaceWindow.h"
#include "inference/DefuzzificationMethodTable.h"
#include "text/NumberText.h"

namespace zorv {
namespace {

class ScriptedImageNames final : public ImageFileNames {
public:
    std::optional<QString> exportImageName(const QString&) override { return answer; }
    std::optional<QString> answer;
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

class SurfaceWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CRuleBase> unit;
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<QTemporaryDir> dir;
    test::RecordingPrompter prompter;
    ScriptedImageNames names;

    SurfaceWindow* open() {
        auto* window = new SurfaceWindow(*unit, {20, -5}, QStringLiteral("heater.rb - Test"),
                                         {prompter, names}, owner.get());
        window->show();
        return window;
    }

    static bool waitComputed(SurfaceWindow* window) {
        QSignalSpy spy(window, &SurfaceWindow::computed);
        return spy.wait(10000);
    }

private Q_SLOTS:
    void init() {
        unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
        owner = std::make_unique<QWidget>();
        dir = std::make_unique<QTemporaryDir>();
        prompter.shown.clear();
    }

    void cleanup() {
        owner.reset();
        dir.reset();
    }

    void opensOverTheFirstTwoInputsAndShowsTheForegroundResult() {
        SurfaceWindow* window = open();
        QCOMPARE(window->windowTitle(), QStringLiteral("Surface of heater.rb - Test"));
        QVERIFY(waitComputed(window));
        QCOMPARE(window->view()->net().Rows(), 10);

        const SurfaceGrid grid(*unit, 0, 1, 10, {20, -5});
        BatchRun run(grid.Points());
        BatchRunner::Run(run, UnitEvaluatorSource(*unit));
        QCOMPARE(window->view()->net().Points(), grid.Net(run.Batch()).Points());

        // The values at the grid point under the pointer go into the line under the picture.
        const ScreenPoint point = window->view()->graphics().View().Project(window->view()->net().At(9, 9));
        sendMouse(window->view(), QEvent::MouseMove, {point.x, point.y}, Qt::NoButton);
        QCOMPARE(window->readingLabel()->text(),
                 QStringLiteral("indoor = 30, outdoor = 15, power = ") +
                     QString::fromStdString(NumberText::general(run.Batch().Output(99))));

        // Choosing the second list's variable in the first list moves the second list; both recompute.
        window->firstList()->setCurrentIndex(1);
        Q_EMIT window->firstList()->activated(1);
        QCOMPARE(window->secondList()->currentIndex(), 0);
        window->stepsList()->setCurrentIndex(15);
        Q_EMIT window->stepsList()->activated(15);
        QVERIFY(waitComputed(window));
        QCOMPARE(window->view()->net().Rows(), 25);
        QCOMPARE(window->view()->net().At(0, 24).x, 1.0);  // variable 1 is now the outdoor temperature
    }

    void theLatestRequestWinsAndCancelKeepsTheNetShown() {
        SurfaceWindow* window = open();
        QVERIFY(waitComputed(window));
        const std::vector<Vector3d> shown = window->view()->net().Points();
        unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);  // smooth: slow enough to cancel
        QSignalSpy computed(window, &SurfaceWindow::computed);
        window->recompute();
        QVERIFY(window->cancelButton()->isVisibleTo(window));
        QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
        QCOMPARE(window->statusLabel()->text(), QStringLiteral("Cancelled."));
        QVERIFY(!window->evaluation()->running());
        QCOMPARE(window->view()->net().Points(), shown);

        unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[0]);
        window->stepsList()->setCurrentIndex(5);
        Q_EMIT window->stepsList()->activated(5);
        window->recompute();  // supersedes the 15-step request
        QVERIFY(computed.wait(10000));
        QTest::qWait(50);
        QCOMPARE(computed.count(), 1);
        QCOMPARE(window->view()->net().Rows(), 15);
    }

    void turnsWithTheMouseAndExportsWhatItShows() {
        SurfaceWindow* window = open();
        QVERIFY(waitComputed(window));
        SurfaceView* view = window->view();
        const Projection& projection = view->graphics().View();
        const ScreenPoint xTip = projection.Project(Vector3d::XTip());
        const ScreenPoint zTip = projection.Project(Vector3d::ZTip());
        sendMouse(view, QEvent::MouseButtonPress, {xTip.x, xTip.y}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, {xTip.x - 60, xTip.y + 20}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, {xTip.x - 60, xTip.y + 20}, Qt::NoButton);
        const Vector3d turnedZ = projection.View().Apply(Vector3d::ZTip());
        QCOMPARE(projection.Project(Vector3d::ZTip()), zTip);  // a turn about the output axis
        QVERIFY(projection.Project(Vector3d::XTip()).x < xTip.x - 20);
        sendMouse(view, QEvent::MouseMove, {0, 0}, Qt::NoButton);  // not dragging: nothing turns
        QCOMPARE(projection.View().Apply(Vector3d::ZTip()).z, turnedZ.z);

        for (const char* name : {"surface.png", "surface.svg"}) {
            names.answer = dir->filePath(QString::fromLatin1(name));
            window->exportImage();
            QVERIFY(QFileInfo::exists(*names.answer));
        }
        const QImage png(dir->filePath(QStringLiteral("surface.png")));
        QCOMPARE(png.size(), view->size());
        QCOMPARE(png.pixelColor(zTip.x, zTip.y + 10), QColor(Qt::red));  // the output axis, drawn red
        QFile svg(dir->filePath(QStringLiteral("surface.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));

        // The image goes through the program's one file writer: a link is written through, a read-only
        // file and a missing folder are refused.
        QVERIFY(QFile::link(QStringLiteral("surface.png"), dir->filePath(QStringLiteral("link.png"))));
        names.answer = dir->filePath(QStringLiteral("link.png"));
        window->exportImage();
        QVERIFY(QFileInfo(*names.answer).isSymLink());
        QVERIFY(prompter.shown.empty());
        const QString readOnly = dir->filePath(QStringLiteral("read-only.png"));
        QFile(readOnly).open(QIODevice::WriteOnly);
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
        for (const QString& name : {readOnly, dir->filePath(QStringLiteral("no-such-folder/surface.png"))}) {
            names.answer = name;
            window->exportImage();
        }
        QCOMPARE(prompter.shown.size(), std::size_t{2});
        QCOMPARE(prompter.shown[0].caption, std::string("Write Error"));
        QCOMPARE(prompter.shown[0].text, "Cannot write the image " + readOnly.toStdString() + ": the file is read-only");
        QCOMPARE(QFileInfo(readOnly).size(), 0);
    }

    // Coloured by height or not (not at first), an exported image is the picture as the window shows it,
    // scales and names included.
    void theExportedImageIsThePictureShown() {
        SurfaceWindow* window = open();
        QVERIFY(waitComputed(window));
        QVERIFY(!window->heightColoursBox()->isChecked());
        for (const bool coloured : {false, true}) {
            window->heightColoursBox()->setChecked(coloured);
            names.answer = dir->filePath(QStringLiteral("shown.png"));
            window->exportImage();
            const QImage exported = QImage(*names.answer).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(exported, window->view()->grab().toImage().convertToFormat(QImage::Format_RGB32));
            // The face nearest the viewer, painted last: coloured, or white.
            const Net3d& net = window->view()->net();
            const Vector3d centre = (net.At(8, 8) + net.At(8, 9) + net.At(9, 8) + net.At(9, 9)) * 0.25;
            const ScreenPoint face = window->view()->graphics().View().Project(centre);
            QCOMPARE(exported.pixelColor(face.x, face.y) == QColor(Qt::white), !coloured);
        }
    }

    // A name typed without a suffix takes the one of the image type chosen in the dialog.
    void theChosenImageTypeGivesTheSuffix() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ImageFileDialog::prepare(dialog, dir->filePath(QStringLiteral("picture")));
        dialog.show();
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QCOMPARE(dialog.selectedFiles().value(0), dir->filePath(QStringLiteral("picture.png")));
        QTest::keyClick(types, Qt::Key_Down);  // "SVG image (*.svg)", as a user chooses it
        QCOMPARE(types->currentIndex(), 1);
        QCOMPARE(dialog.selectedFiles().value(0), dir->filePath(QStringLiteral("picture.svg")));
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::SurfaceWindowTest)
#include "SurfaceWindowTest.moc"
