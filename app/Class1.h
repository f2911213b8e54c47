// The application object: takes documents (dropped, opened with the
// program, or chosen with "開く"), inspects each in a result window of its
// own, shows the About window, and checks for updates at start-up.
#pragma once

#include <QByteArray>

#include "platform/widgets/Application.h"
#include "platform/widgets/FolderItem.h"
#include "platform/widgets/MenuItem.h"
#include "update/UpdateQuery.h"

class Class1 : public platform::Application {
public:
    void Event_EnableMenuItems() override;
    void Event_OpenDocument(platform::FolderItem* item) override;
    void Event_Open() override;
    virtual bool _hiraku_Action();
    virtual bool _kono_Action();
    virtual void VersionCheck(platform::FolderItem* item);
    virtual bool UpdateCheck(const QByteArray& app_id, const QByteArray& ver,
                             const QByteArray& regi);
    void Constructor() {}

    // Where UpdateCheck asks: the program's update server unless a test
    // points it at its own.
    update::Endpoint updateEndpoint = update::ProgramEndpoint();
};

// The registered application object.
Class1* App();

// The menu items the program drives.
platform::MenuItem* hiraku();
platform::AppleMenuItem* kono();
