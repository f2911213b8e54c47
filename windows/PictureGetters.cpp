// Picture getters: one cache per picture.
#include "PictureGetters.h"

#include <QString>

#include "platform/core/Exceptions.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/FolderItem.h"
#include "resources/PictureNames.h"

namespace windows {

namespace {

class PictureGetter {
public:
    // `transparent`: white is drawn as see-through (the release badges).
    PictureGetter(const char* file, bool transparent) : file_(file), transparent_(transparent) {}

    PicturePtr Get() {
        if (!pic_) {
            if (auto folder = platform::GetApplicationBundleResources()) {
                auto item = folder->Child(file_);
                if (!item) throw platform::NilObjectException();
                pic_ = item->OpenAsPicture();
                if (pic_ && transparent_) pic_->SetTransparent(1);
            }
        }
        return pic_;
    }

    void Reset() { pic_.reset(); }

private:
    QString file_;
    bool transparent_;
    PicturePtr pic_;
};

// clang-format off
PictureGetter csPicture    {pictures::kCsFile,     true};
PictureGetter cs2Picture   {pictures::kCs2File,    true};
PictureGetter cs3Picture   {pictures::kCs3File,    true};
PictureGetter cs4Picture   {pictures::kCs4File,    true};
PictureGetter cs5Picture   {pictures::kCs5File,    true};
PictureGetter cs55Picture  {pictures::kCs55File,   true};
PictureGetter indPicture   {pictures::kIndFile,    true};
PictureGetter pelnorPicture{pictures::kPelnorFile, false};
// clang-format on

}  // namespace

PicturePtr _x_cs::cs() { return csPicture.Get(); }
PicturePtr _x_cs2::cs2() { return cs2Picture.Get(); }
PicturePtr _x_cs3::cs3() { return cs3Picture.Get(); }
PicturePtr _x_cs4::cs4() { return cs4Picture.Get(); }
PicturePtr _x_cs5::cs5() { return cs5Picture.Get(); }
PicturePtr _x_cs55::cs55() { return cs55Picture.Get(); }
PicturePtr _x_ind::ind() { return indPicture.Get(); }
PicturePtr _x_pelnor::pelnor() { return pelnorPicture.Get(); }

void ResetPictureCachesForTesting() {
    for (PictureGetter* g : {&csPicture, &cs2Picture, &cs3Picture, &cs4Picture, &cs5Picture,
                             &cs55Picture, &indPicture, &pelnorPicture})
        g->Reset();
}

}  // namespace windows
