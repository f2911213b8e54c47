// Picture getters: one cache per picture.
#include "PictureGetters.h"

#include <QString>

#include "platform/core/Exceptions.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/FolderItem.h"

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
PictureGetter csPicture    {"cs.pct",     true};
PictureGetter cs2Picture   {"cs2.pct",    true};
PictureGetter cs3Picture   {"cs3.pct",    true};
PictureGetter cs4Picture   {"cs4.pct",    true};
PictureGetter cs5Picture   {"cs5.pct",    true};
PictureGetter cs55Picture  {"cs55.pct",   true};
PictureGetter indPicture   {"ind.pct",    true};
PictureGetter pelnorPicture{"pelnor.pct", false};
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
