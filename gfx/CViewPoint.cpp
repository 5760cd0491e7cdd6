// gfx/CViewPoint.cpp — following the block round the wrapping world, and the cloud background.
#include "gfx/CViewPoint.h"

#include <cstdlib>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CBmpFileReader2.h"

namespace {

constexpr int kWorld = kEdition.worldWidth;
constexpr int kHalfWorld = kWorld / 2;
constexpr int kCentre = 320;
constexpr int kPicture = 640;
constexpr int kNear = 60;
constexpr int kDriftDivisor = 50;

}  // namespace

CViewPoint::CViewPoint() : m_nCloudX(0), m_nCloudTime(0), m_nViewX(0) {}

void CViewPoint::normalize(int& x) {
    // One modulo instead of a loop: the same result for any x, without a long walk for far-off
    // values.
    x %= kWorld;
    if (x < 0) x += kWorld;
}

int CViewPoint::screen(int x) {
    int d = x - m_nViewX;
    if (d > kHalfWorld) d -= kWorld;
    if (d < -kHalfWorld) d += kWorld;
    return d + kCentre;
}

void CViewPoint::set_position(int x) {
    normalize(x);
    normalize(m_nViewX);
    if (m_nViewX < x) {
        int a = std::abs(m_nViewX - x);
        int b = std::abs(m_nViewX - (x - kWorld));
        if (a < b) {
            m_nViewX += a > kNear ? 4 : 2;
            m_nCloudX += a > kNear ? 2 : 1;
        } else {
            m_nViewX -= b > kNear ? 4 : 2;
            m_nCloudX -= b > kNear ? 2 : 1;
        }
    } else if (m_nViewX > x) {
        int a = std::abs(m_nViewX - x);
        int c = std::abs(m_nViewX - (x + kWorld));
        if (a < c) {
            m_nViewX -= a > kNear ? 4 : 2;
            m_nCloudX -= a > kNear ? 2 : 1;
        } else {
            m_nViewX += c > kNear ? 4 : 2;
            m_nCloudX += c > kNear ? 2 : 1;
        }
    }
}

void CViewPoint::draw_background(IDirectDrawSurface* /*lpSource*/,
                                 IDirectDrawSurface* lpDestination, int speed,
                                 const char* filename) {
    CBmpFileReader2 picture;
    picture.load(filename);
    picture.draw(lpDestination, kPicture, 480, m_nCloudX, 0);
    if (m_nCloudX > 0) picture.draw(lpDestination, kPicture, 480, m_nCloudX - kPicture, 0);
    if (speed == 0) {
        m_nCloudTime = Timer.time();
        return;
    }
    int delta = speed * (Timer.time() - m_nCloudTime) / kDriftDivisor;
    if (delta == 0) return;
    m_nCloudX += delta;
    if (m_nCloudX > kPicture) m_nCloudX = 0;
    if (m_nCloudX < 0) m_nCloudX = kPicture - 1;
    m_nCloudTime = Timer.time();
}
