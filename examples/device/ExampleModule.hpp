#pragma once

class CModule;

// The example device library's module.
CModule const * ExampleModule();
