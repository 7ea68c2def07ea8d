// The output view's start-up sample, embedded at build time.
#include "app/Program.h"
#include "framework/core/Resources.h"

#include "embedded/StartupSample.h"

namespace gl {

void RegisterStartupSample() {
    RegisterResource(TResourceType::Text, kStartupSampleResource, resources::StartupSample);
}

} // namespace gl
