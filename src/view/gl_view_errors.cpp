#include "view/gl_view_errors.h"

int contextErrorIndex(const GlContextFacts& facts)
{
    if (!facts.created)
        return GlViewError::ContextCreation;
    if (!facts.current)
        return GlViewError::MakeCurrent;
    const bool colourOk = facts.redBits >= kViewColourBits && facts.greenBits >= kViewColourBits &&
                          facts.blueBits >= kViewColourBits;
    if (!colourOk || facts.depthBits < kViewDepthBits)
        return GlViewError::NoPixelFormat;
    return GlViewError::None;
}
