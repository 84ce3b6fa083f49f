// The system beep of a refused key: a short tone, as the desktop's.
let context = null;

export function beep() {
    try {
        context = context || new AudioContext();
        const tone = context.createOscillator();
        const gain = context.createGain();
        tone.frequency.value = 880;
        gain.gain.value = 0.08;
        tone.connect(gain).connect(context.destination);
        tone.start();
        tone.stop(context.currentTime + 0.09);
    } catch {
        // No sound here: the refused key still changes nothing.
    }
}
