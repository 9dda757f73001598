#pragma once

class CModule;

// The module objects of the two test libraries: the one with the test resources, and the
// one with the engine's own resources.
extern "C" CModule * TestResourceModule();
extern "C" CModule * LibraryResourceModule();
