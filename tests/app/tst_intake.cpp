// The menu bar, its enabling, and the three ways documents come in.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/Class1.h"
#include "app/Menu.h"
#include "harness/AppHarness.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/MenuBarView.h"
#include "platform/widgets/MenuBarWindow.h"
#include "platform/widgets/Quit.h"
#include "platform/widgets/Runtime.h"
#include "platform/widgets/Window.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

using namespace platform;

namespace {

enum class ItemClass { Item, Quit, About };

QAction* ActionIn(QMenuBar* view, const QString& name) {
    for (QMenu* menu : view->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->objectName() == name) return action;
    return nullptr;
}

QStringList OpenTitles() {
    QStringList titles;
    for (int i = WindowCount() - 1; i >= 0; --i) titles << WindowAt(i)->Title();
    return titles;
}

}  // namespace

Q_DECLARE_METATYPE(ItemClass)

class IntakeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { harness::CloseAllWindows(); }

    void menuBarHoldsItsItemsInOrder_data();
    void menuBarHoldsItsItemsInOrder();
    void onlyOpenAboutAndQuitAreEverEnabled();
    void resultWindowsShowTheSameMenuBar();
    void cancelledOpenOpensNothing();
    void openChosenDocumentIsInspected();
    void openDocumentEventWithoutItemAsksForOne();
    void quitEndsWithoutAQuestion();
    void aboutItemShowsTheAboutWindow();
    void droppedFilesOpenOneWindowEachInOrder();
    void runOpensGivenDocumentsInOrder();

private:
    QString Document(const QString& name, int releaseByte);
    QTemporaryDir dir_;
};

void IntakeTest::initTestCase() {
    QVERIFY(dir_.isValid());
    harness::StartApplication();
}

QString IntakeTest::Document(const QString& name, int releaseByte) {
    QByteArray header(48, '\0');
    header[29] = static_cast<char>(releaseByte);
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(header);
    return file.fileName();
}

void IntakeTest::menuBarHoldsItsItemsInOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("position");
    QTest::addColumn<ItemClass>("itemClass");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("autoEnable");
    QTest::newRow("File") << "" << 0 << ItemClass::Item << "UntitledMenu2"
                          << "File"
                          << "" << false;
    QTest::newRow("開く") << "UntitledMenu2" << 0 << ItemClass::Item << "hiraku"
                          << "開く"
                          << "Cmd+O" << false;
    QTest::newRow("Quit") << "UntitledMenu2" << 1 << ItemClass::Quit << "FileQuit"
                          << "Quit"
                          << "Cmd+Q" << true;
    QTest::newRow("Edit") << "" << 1 << ItemClass::Item << "UntitledMenu0"
                          << "Edit"
                          << "" << false;
    QTest::newRow("Undo") << "UntitledMenu0" << 0 << ItemClass::Item << "EditUndo"
                          << "Undo"
                          << "Cmd+Z" << false;
    QTest::newRow("separator") << "UntitledMenu0" << 1 << ItemClass::Item << "UntitledMenu1"
                               << "-"
                               << "" << false;
    QTest::newRow("Cut") << "UntitledMenu0" << 2 << ItemClass::Item << "EditCut"
                         << "Cut"
                         << "Cmd+X" << false;
    QTest::newRow("Copy") << "UntitledMenu0" << 3 << ItemClass::Item << "EditCopy"
                          << "Copy"
                          << "Cmd+C" << false;
    QTest::newRow("Paste") << "UntitledMenu0" << 4 << ItemClass::Item << "EditPaste"
                           << "Paste"
                           << "Cmd+V" << false;
    QTest::newRow("Clear") << "UntitledMenu0" << 5 << ItemClass::Item << "EditClear"
                           << "Clear"
                           << "" << false;
    QTest::newRow("About") << "UntitledMenu0" << 6 << ItemClass::About << "kono"
                           << "Tarnwick"
                           << "" << false;
}

void IntakeTest::menuBarHoldsItsItemsInOrder() {
    QFETCH(QString, menu);
    QFETCH(int, position);
    QFETCH(ItemClass, itemClass);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(bool, autoEnable);
    MenuBar* bar = Menu::ImplicitInstance();
    QCOMPARE(GetAppObject()->GetMenuBar(), bar);
    QCOMPARE(bar->Children().size(), size_t(2));
    MenuItem* parent = menu.isEmpty() ? bar : bar->Child(menu);
    QVERIFY(parent != nullptr);
    QCOMPARE(parent->Children().size(), menu.isEmpty()            ? size_t(2)
                                        : menu == "UntitledMenu2" ? size_t(2)
                                                                  : size_t(7));
    MenuItem* item = parent->Children().at(size_t(position)).get();
    QCOMPARE(item->Name(), name);
    QCOMPARE(item->Text(), text);
    QCOMPARE(item->KeyboardShortcut(), shortcut);
    QCOMPARE(item->AutoEnable(), autoEnable);
    QCOMPARE(dynamic_cast<QuitMenuItem*>(item) != nullptr, itemClass == ItemClass::Quit);
    QCOMPARE(dynamic_cast<AppleMenuItem*>(item) != nullptr, itemClass == ItemClass::About);
}

void IntakeTest::onlyOpenAboutAndQuitAreEverEnabled() {
    auto* w = new Window1;
    w->Constructor();
    QMenuBar* view = w->MenuBarView();
    // Opening any menu refreshes the enabled states.
    for (QMenu* menu : view->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const bool expected = action->objectName() == "hiraku" ||
                                  action->objectName() == "kono" ||
                                  action->objectName() == "FileQuit";
            QVERIFY2(action->isEnabled() == expected, qPrintable(action->objectName()));
        }
    }
    QCOMPARE(ActionIn(view, "hiraku")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(ActionIn(view, "FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(ActionIn(view, "EditUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(ActionIn(view, "EditClear")->shortcut().isEmpty());
    QVERIFY(ActionIn(view, "kono")->shortcut().isEmpty());
    QCOMPARE(ActionIn(view, "kono")->text(), QStringLiteral("Tarnwick"));
}

void IntakeTest::resultWindowsShowTheSameMenuBar() {
    auto* first = new Window1;
    first->Constructor();
    auto* second = new Window1;
    second->Constructor();
    QCOMPARE(first->GetMenuBar(), second->GetMenuBar());
    QVERIFY(first->MenuBarView() != second->MenuBarView());
    // A change of the model reaches every view.
    MenuItem* open = Menu::ImplicitInstance()->Lookup("hiraku");
    open->SetEnabled(false);
    QVERIFY(!ActionIn(first->MenuBarView(), "hiraku")->isEnabled());
    QVERIFY(!ActionIn(second->MenuBarView(), "hiraku")->isEnabled());
    Menu::ImplicitInstance()->UpdateEnabling();
    QVERIFY(ActionIn(first->MenuBarView(), "hiraku")->isEnabled());
    QVERIFY(ActionIn(second->MenuBarView(), "hiraku")->isEnabled());
}

void IntakeTest::cancelledOpenOpensNothing() {
    auto* w = new Window1;
    w->Constructor();
    Menu::ImplicitInstance()->UpdateEnabling();
    harness::OpenDialogDriver cancel{QString()};
    ActionIn(w->MenuBarView(), "hiraku")->trigger();
    QVERIFY(cancel.Driven());
    QCOMPARE(cancel.NameFilters(), QStringList{"indd (*.indd)"});
    QCOMPARE(WindowCount(), 1);
    QCOMPARE(harness::Quits().count, 0);
}

void IntakeTest::openChosenDocumentIsInspected() {
    const QString path = Document("chosen.indd", 0x05);
    harness::OpenDialogDriver choose{path};
    QCOMPARE(App()->_hiraku_Action(), false);
    QVERIFY(choose.Driven());
    auto* w = dynamic_cast<Window1*>(WindowAt(0));
    QVERIFY(w != nullptr);
    QCOMPARE(w->Title(), QStringLiteral("chosen.indd"));
    QCOMPARE(w->StaticText2()->Text(), QByteArray("Adobe InDesign CS3"));
}

void IntakeTest::openDocumentEventWithoutItemAsksForOne() {
    {
        harness::OpenDialogDriver cancel{QString()};
        App()->Event_OpenDocument(nullptr);
        QVERIFY(cancel.Driven());
        QCOMPARE(WindowCount(), 0);
    }
    const QString path = Document("asked.indd", 0x06);
    harness::OpenDialogDriver choose{path};
    App()->Event_OpenDocument(nullptr);
    QVERIFY(choose.Driven());
    QCOMPARE(OpenTitles(), QStringList{"asked.indd"});
}

void IntakeTest::quitEndsWithoutAQuestion() {
    for (const char* name : {"a.indd", "b.indd"}) {
        FolderItem item(Document(QString::fromLatin1(name), 0x04));
        App()->VersionCheck(&item);
    }
    auto* w = dynamic_cast<Window1*>(WindowAt(0));
    QVERIFY(w != nullptr);
    ActionIn(w->MenuBarView(), "FileQuit")->trigger();
    QCOMPARE(harness::Quits().count, 1);
    QCOMPARE(harness::Quits().code, 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void IntakeTest::aboutItemShowsTheAboutWindow() {
    auto* w = new Window1;
    w->Constructor();
    Menu::ImplicitInstance()->UpdateEnabling();
    ActionIn(w->MenuBarView(), "kono")->trigger();
    QVERIFY(GetImplicitWindow("Window2.Window2") != nullptr);
    QCOMPARE(WindowAt(0), GetImplicitWindow("Window2.Window2"));
}

void IntakeTest::droppedFilesOpenOneWindowEachInOrder() {
    auto* target = new Window1;
    target->Constructor();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Document("first.indd", 0x03)),
                  QUrl::fromLocalFile(Document("second.indd", 0x07)),
                  QUrl("https://example.invalid/not-a-file.indd")});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QTRY_COMPARE(OpenTitles(), (QStringList{"", "first.indd", "second.indd"}));
}

void IntakeTest::runOpensGivenDocumentsInOrder() {
    const QList<QByteArray> documents{QFile::encodeName(Document("one.indd", 0x03)),
                                      QFile::encodeName(Document("two.indd", 0x09)),
                                      QFile::encodeName(Document("three.indd", 0x06))};
    QStringList seen;
    bool barWindowShown = false;
    SetQuitAction([](int code) { QCoreApplication::exit(code); });
    QTimer::singleShot(500, [&] {
        seen = OpenTitles();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* bar = qobject_cast<MenuBarWindow*>(top))
                barWindowShown = bar->isVisible() && bar->windowTitle() == "Tarnwick";
        Quit(3);
    });
    harness::UpdateChecks() = {};
    const int code = RuntimeRun(documents);
    harness::StartApplication();  // the quit recorder back in place
    QCOMPARE(code, 3);
    // Open came first, with no document window yet; then the documents.
    QCOMPARE(harness::UpdateChecks().calls, 1);
    QCOMPARE(harness::UpdateChecks().windowsOpenAtCall, 0);
    QCOMPARE(seen, (QStringList{"one.indd", "two.indd", "three.indd"}));
    QVERIFY(barWindowShown);
    QCOMPARE(WindowCount(), 0);
}

QTEST_MAIN(IntakeTest)
#include "tst_intake.moc"
