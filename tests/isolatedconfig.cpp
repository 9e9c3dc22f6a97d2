// Linked into every test: a configuration folder of its own, made before any
// test runs, so no test reads or writes the user's settings or autostart
// entry, whether run by CTest or by hand. Tests that need another folder
// still set XDG_CONFIG_HOME themselves.
#include <QByteArray>
#include <QTemporaryDir>

namespace {
struct TIsolatedConfig
{
    TIsolatedConfig()
    {
        // Without a temporary folder, one that cannot exist: writes fail
        // rather than reach the user's home.
        qputenv("XDG_CONFIG_HOME", Folder.isValid() ? Folder.path().toUtf8()
                                                    : QByteArray("/nonexistent/vorkel-tests"));
    }
    QTemporaryDir Folder;
};

const TIsolatedConfig IsolatedConfig;
} // namespace
