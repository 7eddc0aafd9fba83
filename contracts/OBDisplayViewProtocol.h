#pragma once

// What the display family's subclasses offer.
class OBDisplayViewProtocol {
public:
    virtual ~OBDisplayViewProtocol() = default;
    virtual void updateFrame() = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
};
