// Class1::VersionCheck: one document, one result window. The header names
// the release; for a known release a second read finds the sub-version
// record, which gives the sub-version, possibly CS5.5, and the edition.
#include <functional>

#include "Class1.h"
#include "inspect/Header.h"
#include "inspect/SubVersionRecord.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/BackgroundTask.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Quit.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"

using namespace platform;
using inspect::Release;

namespace {

struct ReleaseRow {
    Release release;
    std::function<windows::PicturePtr()> picture;
    const char* text;
};

// clang-format off
const ReleaseRow kReleases[] = {
    {Release::CS,  windows::_x_cs::cs,   "Adobe InDesign CS"},
    {Release::CS2, windows::_x_cs2::cs2, "Adobe InDesign CS2"},
    {Release::CS3, windows::_x_cs3::cs3, "Adobe InDesign CS3"},
    {Release::CS4, windows::_x_cs4::cs4, "Adobe InDesign CS4"},
    {Release::CS5, windows::_x_cs5::cs5, "Adobe InDesign CS5"},
};
// clang-format on

const char kUnknownRelease[] = "バージョン不明";
const char kCS55[] = "Adobe InDesign CS5.5";
const char kNoRecord[] = "不明";

const char* EditionText(inspect::Edition edition) {
    switch (edition) {
        case inspect::Edition::Macintosh:
            return "Macintosh Edition";
        case inspect::Edition::Windows:
            return "Windows Edition";
        case inspect::Edition::NotUnderstood:
            break;
    }
    return "Not understand";
}

// The second stage: sub-version, CS5.5 and edition, on a stream of its own.
void ShowSubVersion(Window1& window, const FolderItem& item, const inspect::Header& header) {
    auto stream = item.OpenAsBinaryFile(false);
    const inspect::SubVersionRecord record =
        inspect::ReadSubVersionRecord(*NotNil(stream.get()), header, RuntimeBackgroundTask);
    stream->Close();

    Label* subVersion = NotNil(window.StaticText5());
    if (record.fieldCount == 0) {
        subVersion->SetText(kNoRecord);
        NotNil(window.StaticText3())->SetText(kNoRecord);
        return;
    }
    subVersion->SetText(record.subVersion, TextEncoding::None);
    // Decided on the text as the label holds it.
    if (inspect::CallsForCS55(subVersion->Text())) {
        NotNil(window.Canvas1())->SetBackdrop(windows::_x_cs55::cs55());
        NotNil(window.StaticText2())->SetText(kCS55);
    }
    NotNil(window.StaticText3())->SetText(EditionText(record.edition));
}

void Inspect(const FolderItem& item) {
    auto* window = new Window1;
    window->Constructor();
    window->SetTitle(item.Name());

    // Closed before the window is filled; a known release opens it again.
    auto stream = item.OpenAsBinaryFile(false);
    const inspect::Header header = inspect::ReadHeader(*NotNil(stream.get()));
    stream->Close();

    for (const ReleaseRow& row : kReleases) {
        if (row.release != header.release) continue;
        NotNil(window->Canvas1())->SetBackdrop(row.picture());
        NotNil(window->StaticText2())->SetText(row.text);
        ShowSubVersion(*window, item, header);
        return;
    }
    NotNil(window->Canvas1())->SetBackdrop(windows::_x_ind::ind());
    NotNil(window->StaticText2())->SetText(kUnknownRelease);
    NotNil(window->StaticText3())->SetText("");
}

}  // namespace

void Class1::VersionCheck(FolderItem* item) {
    try {
        Inspect(*NotNil(item));
    } catch (const RuntimeException&) {
        // What was written stays in the window; the rest keeps its design.
        // Documents other launches offer from now on are theirs to open.
        AnnounceQuit();
        MsgBox(QByteArray("エラーが起こりましたので") + EndOfLine() + "終了します");
        Quit(0);
    }
}
