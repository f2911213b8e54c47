// Start-up sequence.
#include "Startup.h"

#include <cstdio>
#include <exception>

#include "Class1.h"
#include "FileTypes.h"
#include "Menu.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/Runtime.h"

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

void Startup() {
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
