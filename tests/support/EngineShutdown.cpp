#include "engine/Engine.h"

#include <gtest/gtest.h>

namespace {

// Shuts down an engine that ensureEngineStarted() left running once every
// test of the process has run. Without it SDL's audio thread is still mixing
// while the process exits and now and then calls into code already torn
// down, failing a test run that had passed.
class EngineShutdown : public ::testing::Environment {
public:
    void TearDown() override {
        if (Engine::instance().isInitialised()) Engine::instance().shutdown();
    }
};

[[maybe_unused]] const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new EngineShutdown);

}  // namespace
