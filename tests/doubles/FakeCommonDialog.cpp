#include "doubles/FakeCommonDialog.h"

#include "platform/Error.h"

namespace ruvo::test {

void FakeCommonDialog::ShowFont() {
    Record("ShowFont");
    if (userCancels) {
        if (cancelError_) {
            throw RuntimeError(ErrorNumber::Cancel);
        }
        return;
    }
    fontName_ = userFontName.value_or(fontName_);
    fontSize_ = userFontSize.value_or(fontSize_);
}

}  // namespace ruvo::test
