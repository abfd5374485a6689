// The design pictures reach the program as compiled-in resources; this library only carries them.
namespace tarmika_design_anchor {
int pictures()
{
    return 0;
}
} // namespace tarmika_design_anchor
