#pragma once

class CModule;

// The test program's module: the dialog templates of tests/dialog/resources.
CModule * TestModule();
