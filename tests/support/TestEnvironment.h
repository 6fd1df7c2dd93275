#pragma once

// Prepares the process for tests before the application object exists: offscreen platform
// unless the caller chose one, and the web engine's sandbox off only when running as root
// (the engine refuses to start as root with it on).
void PrepareTestEnvironment();
