#pragma once

#include "CObject.hpp"

#define TEST_EXPORT __attribute__((visibility("default")))

class CModule;

// A small class family registered by a test library: a base and a subclass that can be
// created by name, and a subclass that names its base's construct function.
class TEST_EXPORT CTestShape : public CObject {
    AFX_DECLARE_CLASS(CTestShape)
    AFX_DECLARE_CONSTRUCT(CTestShape)
public:
    virtual int Corners() const { return -1; }
};

class TEST_EXPORT CTestSquare : public CTestShape {
    AFX_DECLARE_CLASS(CTestSquare)
    AFX_DECLARE_CONSTRUCT(CTestSquare)
public:
    int Corners() const override { return 4; }
};

class TEST_EXPORT CTestCircle : public CTestShape {
    AFX_DECLARE_CLASS(CTestCircle)
public:
    explicit CTestCircle(int radius) : m_radius(radius) {}
    int Corners() const override { return 0; }
    int m_radius;
};

extern "C" TEST_EXPORT CModule * TestShapesModule();
