// Start-up sequence.
#include "Startup.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <exception>

#include "Class1.h"
#include "FileTypes.h"
#include "Menu.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/Runtime.h"
#include "resources/AppIcon.h"

using namespace platform;

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance() {
    // The object lives for the whole run.
    static Class1 app;
    app.Constructor();
    app.SetMenuBar(Menu::ImplicitInstance());
    RuntimeRegisterAppObject(&app);
}

void ApplicationAddMenuHandlers() {
    NotNil(App())->AddMenuHandler(QStringLiteral("hiraku"),
                                  [] { return NotNil(App())->_hiraku_Action(); });
    NotNil(App())->AddMenuHandler(QStringLiteral("kono"),
                                  [] { return NotNil(App())->_kono_Action(); });
}

void InitAppIcon() {
    // The desktop entry's icon, drawn anew at the sizes of title bars and
    // task bars, which pick the one they show from these.
    QIcon icon;
    for (const int size : pictures::kIconSizes) {
        if (size <= pictures::kWindowIconLargest)
            icon.addPixmap(QPixmap::fromImage(pictures::DrawAppIcon(size)));
    }
    QApplication::setWindowIcon(icon);
}

void Startup() {
    InitAppIcon();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

int Main(const QList<QByteArray>& documents) {
    try {
        RunFrameworkInitialization(&Startup);
        return RuntimeRun(documents);
    } catch (...) {
        UnhandledException(std::current_exception());
        return 1;
    }
}
