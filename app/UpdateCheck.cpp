// The start-up update check: one query; on a yes, the notice window.
#include "Class1.h"
#include "platform/core/Exceptions.h"
#include "update/UpdateQuery.h"
#include "update/UpdateWin.h"

using namespace platform;

void Class1::Event_Open() {
    const QByteArray version = update::VersionText(
        NotNil(App())->MajorVersion(), NotNil(App())->MinorVersion(), NotNil(App())->BugVersion());
    if (UpdateCheck("3", version, "Unregistered")) NotNil(UpdateWin::ImplicitInstance())->Show();
}

bool Class1::UpdateCheck(const QByteArray& app_id, const QByteArray& ver, const QByteArray& regi) {
    return update::RunUpdateQuery(app_id, ver, regi, updateEndpoint);
}
