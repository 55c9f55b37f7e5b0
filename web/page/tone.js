// The program's tone through Web Audio; a page that may not sound yet goes on at once.

let audio = null;

export function tone(frequency, ms) {
  if (!audio || audio.state !== 'running') return Promise.resolve();
  return new Promise((resolve) => {
    const oscillator = audio.createOscillator();
    const gain = audio.createGain();
    oscillator.frequency.value = frequency;
    gain.gain.value = 0.2;
    oscillator.connect(gain).connect(audio.destination);
    oscillator.onended = resolve;
    oscillator.start();
    oscillator.stop(audio.currentTime + ms / 1000);
    setTimeout(resolve, ms + 100);
  });
}

// Browsers let a page sound only after the user has acted on it.
export function wakeOnInput() {
  const wake = () => {
    try {
      if (!audio) audio = new AudioContext();
      if (audio.state === 'suspended') audio.resume();
    } catch (e) {
      audio = null;
    }
  };
  for (const type of ['pointerdown', 'keydown']) document.addEventListener(type, wake, { capture: true });
}
