// User-profiles files (*.usr) as the store opens them at start-up, then one profile
// deleted and one added, as the profiles dialog does.

#include "fuzzinput.h"

#include "profiles/cprofilestore.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

off_t FileSize(const std::string &path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzzinput::ScratchFile scratch(".usr");
    const std::string &path = scratch.write(data, size);

    CProfileStore store;
    if (!store.open(path)) {
        // A refused file is never emptied or cut.
        if (FileSize(path) != static_cast<off_t>(size))
            fuzzinput::Fail("a refused profiles file changed its length");
        return 0;
    }
    const size_t count = store.profiles().size();
    if (count > 0 && !store.deleteProfile(count / 2))
        return 0;
    ProfileRecord added;
    added.companyName = "Fuzz Haulage";
    added.fuelType = 2;
    if (!store.addProfile(added))
        return 0;

    const size_t expected = store.profiles().size();
    store.close();
    CProfileStore reopened;
    const Result again = reopened.open(path);
    if (!again) {
        std::fprintf(stderr, "fuzz: %s\n", again.message.c_str());
        fuzzinput::Fail("a profiles file the store wrote cannot be opened again");
    }
    if (reopened.profiles().size() != expected)
        fuzzinput::Fail("a profiles file reads back with another number of profiles");
    if (reopened.profiles().back().companyName != added.companyName)
        fuzzinput::Fail("the added profile did not read back");
    return 0;
}
