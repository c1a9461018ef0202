// The refer-a-friend checks and address builder over five arbitrary texts:
// either one message and no page, or no message and the built address opened.

#include "FakeServices.h"
#include "FuzzInput.h"
#include "WebAddresses.h"
#include "modTellAFriend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    modTellAFriend::ReferForm form;
    form.ReferName = takeText(input, 40);
    form.ReferEmail = takeText(input, 40);
    form.ReferMessage = takeText(input, 80);
    form.ReferFriendName = takeText(input, 40);
    form.ReferFriendEmail = takeText(input, 40);

    platform::fake::ScriptedMessageBoxes messages;
    platform::fake::RecordingBrowser browser;
    modTellAFriend::TellAFriend(form, messages, browser);
    if (messages.shown.isEmpty()) {
        FUZZ_CHECK(browser.opened == QStringList{form.ReferUrl});
        FUZZ_CHECK(form.ReferUrl.startsWith(webaddress::ReferAFriendPage));
        FUZZ_CHECK(form.ReferUrl.contains(form.ReferFriendEmail));
    } else {
        FUZZ_CHECK(messages.shown.size() == 1 && browser.opened.isEmpty());
        FUZZ_CHECK(form.ReferUrl.isEmpty());
    }

    const QString trimmed = modTellAFriend::TrimBlanks(form.ReferMessage);
    FUZZ_CHECK(form.ReferMessage.contains(trimmed));
    FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '));
    return 0;
}
