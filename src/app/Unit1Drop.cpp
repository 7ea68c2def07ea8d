// The main window as a target of the desktop's drag and drop: the first file dropped becomes the current
// picture, and picture mode is switched on.
#include "app/Unit1.h"

#include "components/RzRadChk.h"
#include "framework/controls/MessageDispatch.h"

#include "platform/user/DragDrop.h"
#include "platform/user/Messages.h"

#include <string>

namespace gl {

namespace {

// The drop handle, freed however the loading ends.
class DroppedFiles {
public:
    explicit DroppedFiles(win::HDROP drop) : m_drop(drop) {}
    ~DroppedFiles() { win::DragFinish(m_drop); }
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;

    // The first file's name; empty when the drop holds none.
    std::string First() const {
        const win::UINT length = win::DragQueryFile(m_drop, 0, nullptr, 0);
        if (length == 0) return {};
        std::string name(length + 1, '\0');
        name.resize(win::DragQueryFile(m_drop, 0, name.data(), length + 1));
        return name;
    }

private:
    win::HDROP m_drop;
};

} // namespace

const MessageTable& TF_main::Messages() const {
    static const MessageTable table = TForm::Messages().With({
        {win::WM_DROPFILES, &TF_main::WMDropFiles},
    });
    return table;
}

void TF_main::CreateWnd() {
    TForm::CreateWnd();
    win::DragAcceptFiles(Handle(), win::TRUE);
}

void TF_main::WMDropFiles(TMessage& message) {
    const DroppedFiles drop(reinterpret_cast<win::HDROP>(message.WParam));
    message.Result = 0;
    const std::string file = drop.First();
    if (file.empty()) return;
    LoadPicture(file);
    RzRadioButton1->SetChecked(true);
}

} // namespace gl
