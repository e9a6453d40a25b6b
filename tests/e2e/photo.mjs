// Pictures the browser tests draw in the browser itself.

// A 1600 × 1200 photo-like JPEG: gradients and noise, so that it weighs what
// a photo weighs.
export async function drawPhoto(page) {
  const dataUrl = await page.evaluate(() => {
    const canvas = document.createElement('canvas');
    canvas.width = 1600;
    canvas.height = 1200;
    const context = canvas.getContext('2d');
    const gradient = context.createLinearGradient(0, 0, 1600, 1200);
    gradient.addColorStop(0, '#1d3557');
    gradient.addColorStop(1, '#e9c46a');
    context.fillStyle = gradient;
    context.fillRect(0, 0, 1600, 1200);
    const pixels = context.getImageData(0, 0, 1600, 1200);
    let seed = 7;
    for (let i = 0; i < pixels.data.length; i += 4) {
      seed = (seed * 1103515245 + 12345) & 0x7fffffff;
      const noise = (seed % 48) - 24;
      pixels.data[i] += noise;
      pixels.data[i + 1] += noise;
      pixels.data[i + 2] += noise;
    }
    context.putImageData(pixels, 0, 0);
    context.fillStyle = '#e63946';
    context.fillRect(0, 0, 800, 600);
    return canvas.toDataURL('image/jpeg', 0.92);
  });
  return Buffer.from(dataUrl.split(',')[1], 'base64');
}
